#include "Reachability.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(Reachability, onlyReachableWithoutAConnectionToBringUpCounts) {
    using R = Reachability;
    EXPECT_FALSE(R::isReachable(std::nullopt));
    EXPECT_FALSE(R::isReachable(0u));
    EXPECT_FALSE(R::isReachable(R::Reachable | R::ConnectionRequired));
    EXPECT_FALSE(R::isReachable(R::ConnectionRequired));
    EXPECT_TRUE(R::isReachable(R::Reachable));
    // Other flags (a cellular link, a transient connection, a local address) do not matter.
    EXPECT_TRUE(R::isReachable(R::Reachable | 1u | 0x40000u | R::IsLocalAddress));
    EXPECT_FALSE(R::isReachable(1u | 0x40000u));
}

TEST(Reachability, resolvesLocalHostsAndRefusesNamesThatDoNotResolve) {
    const auto loopback = Reachability::flagsForHost("127.0.0.1:8641");
    ASSERT_TRUE(loopback);
    EXPECT_TRUE(Reachability::isReachable(loopback));
    EXPECT_TRUE(*loopback & Reachability::IsLocalAddress);

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Reachability::isReachable(Reachability::flagsForHost("nonexistent.invalid")));
    EXPECT_FALSE(Reachability::flagsForHost(""));
    EXPECT_LT(timer.elapsed(), 2 * Reachability::kDefaultTimeout.count() + 500);
}

TEST(Reachability, theWaitIsBounded) {
    // A zero budget cannot be met by any lookup, so the host counts as unreachable at once.
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Reachability::flagsForHost("example.invalid", 0ms));
    EXPECT_LT(timer.elapsed(), 500);
}
