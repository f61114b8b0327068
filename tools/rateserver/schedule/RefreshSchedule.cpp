#include "RefreshSchedule.h"

#include <algorithm>

QDateTime RefreshSchedule::afterSuccess(const QDateTime& now, std::chrono::seconds spread) {
    m_failures = 0;
    const auto extra = kAfterPublication + std::clamp(spread, std::chrono::seconds(0), kSpread);
    return nextPublication(now).addSecs(extra.count());
}

QDateTime RefreshSchedule::afterFailure(const QDateTime& now) {
    const int doublings = std::min(m_failures, 16); // far past the cap; keeps the shift in range
    ++m_failures;
    const auto backoff = std::min<std::chrono::seconds>(kFirstBackoff * (1LL << doublings), kMaxBackoff);
    return now.toUTC().addSecs(backoff.count());
}

bool RefreshSchedule::isCurrent(QDate date, const QDateTime& now) const {
    return date >= PublicationCalendar::latestDataDate(m_rule, now);
}
