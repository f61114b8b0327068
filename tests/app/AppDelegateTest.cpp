#include "AppDelegate.h"

#include "AppWindow.h"
#include "Bundle.h"
#include "LocaleRun.h"
#include "TabBarController.h"
#include "TempConfig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

TEST(AppDelegate, startsWithFiveTitledTabsAndTheManagerReadingTheShippedDefaults) {
    TempConfig config;
    AppDelegate delegate({config.preferencesPath(), "127.0.0.1:1", ""});
    const auto tabs = delegate.tabBarController()->viewControllers();
    ASSERT_EQ(tabs.size(), 5);
    QStringList titles;
    for (auto* tab : tabs)
        titles << tab->title();
    EXPECT_EQ(titles, QStringList({"Converter", "Rates", "Setup", "Help", "More"}));
    EXPECT_EQ(delegate.currencyManager().localCurrency()->currencyCode(), "USD");
    EXPECT_GE(delegate.currencyManager().foreignCurrencies().size(), 8);

    delegate.applicationDidFinishLaunching();
    EXPECT_TRUE(delegate.window()->isVisible());
    EXPECT_EQ(delegate.window()->size(), QSize(320, 480));
}

TEST(AppDelegate, registeringTheDefaultsTwiceChangesNothingOfTheUsers) {
    TempConfig config;
    UserDefaults defaults(config.preferencesPath());
    defaults.setBool("automaticUpdatesEnabled", false);
    AppDelegate::setupDefaults(defaults, Bundle::mainBundle());
    AppDelegate::setupDefaults(defaults, Bundle::mainBundle());
    EXPECT_FALSE(defaults.boolForKey("automaticUpdatesEnabled"));
    EXPECT_EQ(defaults.dictionaryForKey("localCurrency")->value("currencyCode").toString(), "USD");
    defaults.removeObject("automaticUpdatesEnabled");
    EXPECT_TRUE(defaults.boolForKey("automaticUpdatesEnabled"));
}

TEST(AppDelegate, anUnresolvableReachabilityHostMeansNoNetworkWithinTheBound) {
    TempConfig config;
    AppDelegate delegate({config.preferencesPath(), "127.0.0.1:1", "nonexistent.invalid"});
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(delegate.isNetworkAvailable());
    EXPECT_LT(timer.elapsed(), 2500);
}

// Qt Network brings Kerberos, GSSAPI and libproxy along before main: a few milliseconds and two MiB
// before the first frame. The system's network information is a module loaded after it instead.
TEST(AppDelegate, theProgramLinksNoQtNetwork) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {RATEPAD_APP});
    ASSERT_TRUE(ldd.waitForFinished(20000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    ASSERT_TRUE(libraries.contains("libQt6Widgets")) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains("libQt6Network")) << libraries.toStdString();
}

TEST(AppDelegate, theCommandLineIsAnsweredWithoutADisplay) {
    const TempConfig config; // the listed preferences are the test's own
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(name);
    struct Case {
        QStringList arguments;
        int status;
        const char* output; // in standard output, or in standard error for status 2
    };
    const Case cases[] = {
        {{"--no-such-option"}, 2, "no-such-option"},
        {{"--version"}, 0, "Ratepad"},
        {{"--help"}, 0, "Usage: ratepad [options]"},
        {{"--list"}, 0, "Local currency: USD"},
        // Qt's own options are still left to Qt, not refused.
        {{"-platform", "offscreen", "--version"}, 0, "Ratepad"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(bare);
        program.start(RATEPAD_APP, c.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status);
        const QByteArray output =
            c.status == 2 ? program.readAllStandardError() : program.readAllStandardOutput();
        EXPECT_TRUE(output.contains(c.output)) << output.toStdString();
    }
}

// The texts follow LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, whatever the other categories say;
// the screenshots are named after the tabs' titles, so they show the language the program chose.
TEST(AppDelegate, theProgramSpeaksTheLanguageOfTheMessagesCategory) {
    struct Case {
        LocaleVariables environment;
        const char* firstShot;
    };
    const Case cases[] = {
        {{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}, {"LANGUAGE", "ja:de"}}, "1-換算.png"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}},
         "1-conversion.png"},
        // English, the texts' own language, comes before German.
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, "1-converter.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstShot);
        const TempConfig config;
        QProcessEnvironment environment = environmentWith(c.environment);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(RATEPAD_APP, {"--rate-server", "127.0.0.1:1", "--screenshots", config.path()});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_TRUE(QFileInfo::exists(config.path() + "/" + QString::fromUtf8(c.firstShot)))
            << QDir(config.path()).entryList(QDir::Files).join(' ').toStdString();
        // Standard output carries the paths asked for and nothing else; logs go to standard error.
        const QStringList printed =
            QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(printed.size(), 6) << printed.join(u'\n').toStdString();
        for (const QString& path : printed)
            EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    }
}
