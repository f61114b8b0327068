#include "AppDelegate.h"
#include "PropertyList.h"
#include "TempConfig.h"
#include "ZkSolicitReviewController.h"

#include <gtest/gtest.h>

// The program ends by destroying its delegate; a delegate made after that in the same process (a
// test starting the program again) must not reach anything of the first one's.
TEST(Relaunch, aDelegateMadeAfterTheFirstIsGoneCountsItsLaunchInItsOwnStore) {
    TempConfig config;
    const AppDelegate::Options options{config.preferencesPath(), "127.0.0.1:1", "127.0.0.1"};
    {
        AppDelegate first(options);
        first.applicationDidFinishLaunching();
        EXPECT_EQ(first.userDefaults().integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 1);
    }
    AppDelegate second(options);
    second.applicationDidFinishLaunching();
    EXPECT_EQ(second.userDefaults().integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 2);
    const QVariantMap stored = PropertyList::readFile(config.preferencesPath()).value.toMap();
    EXPECT_EQ(stored.value(kZkSolicitReviewNumberOfLaunchesKey).toInt(), 2);
}
