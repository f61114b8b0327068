// The system's network information reached through its module, against Qt Network's own answer.
#include "NetworkInformation.h"

#include <QNetworkInformation>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(NetworkInformation, passesOnWhatQtNetworkTellsWhileTheContextLives) {
    ASSERT_FALSE(NetworkInformation::modulePath().isEmpty());
    auto context = std::make_unique<QObject>();
    QList<NetworkReachability> seen;
    const auto now = NetworkInformation::follow(
        context.get(), [&](NetworkReachability reachability) { seen << reachability; });
    // Where Qt finds no backend (no D-Bus, no GLib monitor) nothing is followed either.
    ASSERT_EQ(now.has_value(),
              QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability));
    if (!now)
        GTEST_SKIP() << "no network information backend on this machine";
    QNetworkInformation* information = QNetworkInformation::instance();
    EXPECT_EQ(int(*now), int(information->reachability()));
    emit information->reachabilityChanged(QNetworkInformation::Reachability::Site);
    context.reset();
    emit information->reachabilityChanged(QNetworkInformation::Reachability::Online);
    EXPECT_EQ(seen, QList<NetworkReachability>{NetworkReachability::Site});
}

} // namespace
