#include "NetworkInformation.h"

#include "LogCategories.h"
#include "OwnModule.h"

namespace {

// Answers the reachability now, or -1 without a backend.
using Follow = int (*)(QObject* context, const std::function<void(int)>& changed);

Follow followFunction() {
    static const Follow follow = [] {
        return reinterpret_cast<Follow>(
            OwnModule::resolve(NetworkInformation::modulePath(), "ratepadFollowNetworkInformation"));
    }();
    return follow;
}

} // namespace

QString NetworkInformation::modulePath() {
    return OwnModule::path(RATEPAD_NETINFO_MODULE_INSTALLED, RATEPAD_NETINFO_MODULE_BUILT);
}

std::optional<NetworkReachability>
NetworkInformation::follow(QObject* context, std::function<void(NetworkReachability)> changed) {
    const Follow follow = followFunction();
    if (!follow) {
        qCInfo(lcPlatform, "NetworkInformation: the module cannot be loaded; the network is not followed");
        return std::nullopt;
    }
    const int now = follow(context, [changed = std::move(changed)](int reachability) {
        changed(static_cast<NetworkReachability>(reachability));
    });
    if (now < 0)
        return std::nullopt;
    return static_cast<NetworkReachability>(now);
}
