// The system's network information, built as a module of its own: Qt Network and what it loads
// (Kerberos, the proxy library, the backend plugin, D-Bus) come in when the network is first
// followed, after the window's first frame.
#include "NetworkInformation.h"

#include <QNetworkInformation>

using Reachability = QNetworkInformation::Reachability;
static_assert(int(NetworkReachability::Unknown) == int(Reachability::Unknown) &&
              int(NetworkReachability::Disconnected) == int(Reachability::Disconnected) &&
              int(NetworkReachability::Local) == int(Reachability::Local) &&
              int(NetworkReachability::Site) == int(Reachability::Site) &&
              int(NetworkReachability::Online) == int(Reachability::Online));

// Calls `changed` on every change of reachability while `context` lives; answers the reachability
// now, or -1 where no backend can tell it.
extern "C" Q_DECL_EXPORT int ratepadFollowNetworkInformation(QObject* context,
                                                             const std::function<void(int)>& changed) {
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return -1;
    QNetworkInformation* information = QNetworkInformation::instance();
    QObject::connect(information, &QNetworkInformation::reachabilityChanged, context,
                     [changed](Reachability reachability) { changed(int(reachability)); });
    return int(information->reachability());
}
