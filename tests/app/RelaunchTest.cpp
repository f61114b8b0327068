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
    const auto storedCount = [&] {
        return PropertyList::readFile(config.preferencesPath())
            .value.toMap()
            .value(kZkSolicitReviewNumberOfLaunchesKey);
    };
    {
        AppDelegate second(options);
        second.applicationDidFinishLaunching();
        EXPECT_EQ(second.userDefaults().integerForKey(kZkSolicitReviewNumberOfLaunchesKey), 2);
        // A synced write of the file would hold up the first frame: the count goes to disk later.
        EXPECT_EQ(storedCount().toInt(), 1);
    }
    EXPECT_EQ(storedCount().toInt(), 2);
}
