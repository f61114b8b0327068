#include "LocaleRun.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString kCopyMarker = QStringLiteral("RATEPAD_TEST_LOCALE_COPY");

} // namespace

bool runsElsewhereUnder(const char* locale) {
    return runsElsewhereWith({{"LC_ALL", locale}, {"LANG", locale}});
}

QProcessEnvironment environmentWith(const LocaleVariables& variables) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        if (name == QLatin1String("LANG") || name == QLatin1String("LANGUAGE") ||
            name.startsWith(QLatin1String("LC_")))
            environment.remove(name);
    }
    for (const auto& [name, value] : variables)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return environment;
}

bool runsElsewhereWith(const LocaleVariables& variables) {
    if (qEnvironmentVariableIsSet(qPrintable(kCopyMarker)))
        return false;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = environmentWith(variables);
    QString described;
    for (const auto& [name, value] : variables)
        described += QStringLiteral("%1=%2 ").arg(QLatin1String(name), QLatin1String(value));
    environment.insert(kCopyMarker, QStringLiteral("1"));
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    if (!copy.waitForFinished(60000))
        copy.kill();
    const QByteArray output = copy.readAll();
    EXPECT_TRUE(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0)
        << "under " << described.toStdString() << ":\n"
        << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test"))
        << "the copy under " << described.toStdString() << " ran no test";
    return true;
}
