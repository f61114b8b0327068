#pragma once

#include <QString>
#include <functional>
#include <optional>

class QObject;

// What the system says of the network, from worst to best; the values are those of Qt Network's
// QNetworkInformation::Reachability, which the module passes on.
enum class NetworkReachability { Unknown, Disconnected, Local, Site, Online };

// The system's network information. Its backends live in Qt Network, which brings Kerberos and
// the proxy library along, so they are reached through a module loaded on the first follow(), not
// linked into the program: none of it is loaded before the first frame.
namespace NetworkInformation {

// Calls `changed` on every change of the system's reachability until `context` is gone, and answers
// the reachability now; nothing (and no call ever) where there is no backend or no module.
std::optional<NetworkReachability> follow(QObject* context, std::function<void(NetworkReachability)> changed);

// The module's file; empty when it is nowhere to be found.
QString modulePath();

} // namespace NetworkInformation
