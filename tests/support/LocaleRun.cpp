#include "LocaleRun.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

bool runsElsewhereUnder(const char* locale) {
    if (qEnvironmentVariable("LC_ALL") == QLatin1String(locale))
        return false;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    if (!copy.waitForFinished(60000))
        copy.kill();
    const QByteArray output = copy.readAll();
    EXPECT_TRUE(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0)
        << "under " << locale << ":\n"
        << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << "the copy under " << locale << " ran no test";
    return true;
}
