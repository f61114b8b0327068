#pragma once

#include <QString>
#include <chrono>
#include <optional>

// Whether a host can be reached: its name is resolved (with a bounded wait), then the system is
// asked for a route to it, which sends nothing over the network.
class Reachability final {
public:
    enum Flag : unsigned {
        Reachable = 2,
        ConnectionRequired = 4,
        IsLocalAddress = 0x10000,
    };

    // A broken resolver can take half a minute to give up; past `timeout` the host counts as unreachable.
    static constexpr std::chrono::milliseconds kDefaultTimeout{2000};

    // The flags for `host` (a name or an address, optionally with ":port"), or none when they
    // cannot be read (the name does not resolve in time).
    static std::optional<unsigned> flagsForHost(const QString& host,
                                                std::chrono::milliseconds timeout = kDefaultTimeout);

    // Reachable and no connection needs to be brought up first; every other flag is ignored.
    static bool isReachable(std::optional<unsigned> flags) {
        return flags && (*flags & Reachable) && !(*flags & ConnectionRequired);
    }
};
