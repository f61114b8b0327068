#pragma once

#include "RateSnapshot.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Decides whether a freshly downloaded snapshot may replace the cached one. A download that fails any
// check is refused whole, so that one bad file never mixes into good data.
class SnapshotCheck final {
public:
    static constexpr double kMinValue = 1e-12;
    static constexpr double kMaxValue = 1e12;
    // A move beyond this factor against the cached value needs another source to confirm it...
    static constexpr double kSuspiciousMove = 2.0;
    // ...by quoting the currency within this factor of the new value.
    static constexpr double kConfirmation = 1.1;

    struct Rules {
        QString base;
        qsizetype minimumCurrencies = 0;
    };

    struct Verdict {
        QString rejection; // empty when accepted
        // Moved beyond the factor where no other source quotes the currency: nothing can confirm or
        // refute them, so they are left out of this download rather than locking the source out for
        // good; the next download takes them against no cached value.
        QStringList withheld;
    };

    static Verdict check(const RateSnapshot& candidate, const Rules& rules, const RateSnapshot* cached,
                         const QList<RateSnapshot>& others, const QDateTime& now);
    // The checks a snapshot must pass on its own, also when read back from the cache.
    static QString checkValues(const RateSnapshot& snapshot, const Rules& rules);
};
