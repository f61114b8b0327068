#include "NetworkInformation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// Answers the reachability now, or -1 without a backend.
using Follow = int (*)(QObject* context, const std::function<void(int)>& changed);

Follow followFunction() {
    static const Follow follow = [] {
        QLibrary module(NetworkInformation::modulePath());
        // The module stays loaded for the life of the process.
        return reinterpret_cast<Follow>(module.resolve("ratepadFollowNetworkInformation"));
    }();
    return follow;
}

} // namespace

QString NetworkInformation::modulePath() {
    // Beside the installed program first, else in the build tree.
    for (const QString& path : {QDir(QCoreApplication::applicationDirPath())
                                    .filePath(QStringLiteral(RATEPAD_NETINFO_MODULE_INSTALLED)),
                                QStringLiteral(RATEPAD_NETINFO_MODULE_BUILT)}) {
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

std::optional<NetworkReachability>
NetworkInformation::follow(QObject* context, std::function<void(NetworkReachability)> changed) {
    const Follow follow = followFunction();
    if (!follow) {
        qInfo("NetworkInformation: the module cannot be loaded; the network is not followed");
        return std::nullopt;
    }
    const int now = follow(context, [changed = std::move(changed)](int reachability) {
        changed(static_cast<NetworkReachability>(reachability));
    });
    if (now < 0)
        return std::nullopt;
    return static_cast<NetworkReachability>(now);
}
