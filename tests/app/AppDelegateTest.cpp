#include "AppDelegate.h"

#include "AppWindow.h"
#include "Bundle.h"
#include "TabBarController.h"
#include "TempConfig.h"

#include <QElapsedTimer>
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

TEST(AppDelegate, theProgramRefusesUnknownOptionsAndAnswersHelpAndVersion) {
    QProcess program;
    program.start(RATEPAD_APP, {"-platform", "offscreen", "--no-such-option"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("no-such-option"));

    program.start(RATEPAD_APP, {"-platform", "offscreen", "--version"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().contains("Ratepad"));

    program.start(RATEPAD_APP, {"-platform", "offscreen", "--help"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray help = program.readAllStandardOutput();
    EXPECT_TRUE(help.contains("--rate-server") && help.contains("--reachability-host"));
}
