#include "SnapshotCheck.h"

#include <cmath>

namespace {

// A date more than this past the current UTC day is in the future even for a clock that runs late.
constexpr qint64 kClockSlackSeconds = 2 * 3600;

QString formatted(double value) {
    return QString::number(value, 'g', 10);
}

} // namespace

QString SnapshotCheck::checkValues(const RateSnapshot& snapshot, const Rules& rules) {
    if (snapshot.base != rules.base)
        return QStringLiteral("base is %1, expected %2").arg(snapshot.base, rules.base);
    if (snapshot.perBase.value(snapshot.base) != 1.0)
        return QStringLiteral("the base is not quoted as 1");
    if (snapshot.perBase.size() < rules.minimumCurrencies) {
        return QStringLiteral("only %1 currencies, at least %2 expected")
            .arg(snapshot.perBase.size())
            .arg(rules.minimumCurrencies);
    }
    for (auto it = snapshot.perBase.cbegin(); it != snapshot.perBase.cend(); ++it) {
        if (!std::isfinite(*it) || *it < kMinValue || *it > kMaxValue)
            return QStringLiteral("%1 is %2, outside %3..%4")
                .arg(it.key(), formatted(*it))
                .arg(kMinValue)
                .arg(kMaxValue);
    }
    if (!snapshot.date.isValid())
        return QStringLiteral("no date");
    return {};
}

SnapshotCheck::Verdict SnapshotCheck::check(const RateSnapshot& candidate, const Rules& rules,
                                            const RateSnapshot* cached, const QList<RateSnapshot>& others,
                                            const QDateTime& now) {
    Verdict verdict;
    verdict.rejection = checkValues(candidate, rules);
    if (!verdict.rejection.isEmpty())
        return verdict;
    const QDate today = now.toUTC().addSecs(kClockSlackSeconds).date();
    if (candidate.date > today) {
        verdict.rejection =
            QStringLiteral("dated %1, in the future").arg(candidate.date.toString(Qt::ISODate));
        return verdict;
    }
    if (!cached)
        return verdict;
    if (candidate.date < cached->date) {
        verdict.rejection =
            QStringLiteral("dated %1, older than the cached %2")
                .arg(candidate.date.toString(Qt::ISODate), cached->date.toString(Qt::ISODate));
        return verdict;
    }

    for (auto it = candidate.perBase.cbegin(); it != candidate.perBase.cend(); ++it) {
        const double before = cached->perBase.value(it.key(), 0);
        if (before <= 0 || (*it / before <= kSuspiciousMove && before / *it <= kSuspiciousMove))
            continue;
        bool quoted = false, confirmed = false;
        QString contradiction;
        for (const RateSnapshot& other : others) {
            const double third = other.perBase.value(it.key(), 0);
            if (third <= 0 || other.base != candidate.base)
                continue;
            quoted = true;
            if (third / *it <= kConfirmation && *it / third <= kConfirmation)
                confirmed = true;
            else if (contradiction.isEmpty())
                contradiction = QStringLiteral("%1 has %2").arg(other.source, formatted(third));
        }
        if (confirmed)
            continue;
        if (quoted) {
            verdict.rejection = QStringLiteral("%1 moved from %2 to %3 and %4")
                                    .arg(it.key(), formatted(before), formatted(*it), contradiction);
            return verdict;
        }
        verdict.withheld << it.key();
    }
    verdict.withheld.sort();
    if (candidate.perBase.size() - verdict.withheld.size() < rules.minimumCurrencies) {
        verdict.rejection = QStringLiteral("%1 currencies moved by more than a factor of %2")
                                .arg(verdict.withheld.size())
                                .arg(kSuspiciousMove);
        verdict.withheld.clear();
    }
    return verdict;
}
