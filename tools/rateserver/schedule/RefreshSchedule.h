#pragma once

#include "PublicationCalendar.h"

#include <QDateTime>
#include <chrono>

// When to ask one source next: a little after its next publication once it is current, or after a
// back-off that doubles with each failure (also while the source still shows an older day).
class RefreshSchedule final {
public:
    static constexpr std::chrono::seconds kFirstBackoff = std::chrono::minutes(5);
    static constexpr std::chrono::seconds kMaxBackoff = std::chrono::hours(6);
    // Publication times are approximate; ask this long after them, plus a random spread.
    static constexpr std::chrono::seconds kAfterPublication = std::chrono::minutes(10);
    static constexpr std::chrono::seconds kSpread = std::chrono::minutes(10);

    explicit RefreshSchedule(PublicationCalendar::Rule rule) : m_rule(rule) {}

    // `spread` is the random part, within [0, kSpread).
    QDateTime afterSuccess(const QDateTime& now, std::chrono::seconds spread);
    QDateTime afterFailure(const QDateTime& now);
    // Whether data of `date` is the latest the source can have published by `now`.
    bool isCurrent(QDate date, const QDateTime& now) const;
    QDateTime nextPublication(const QDateTime& now) const { return PublicationCalendar::next(m_rule, now); }
    QDateTime publishedAt(QDate date) const { return PublicationCalendar::publishedAt(m_rule, date); }
    int failures() const { return m_failures; }

private:
    PublicationCalendar::Rule m_rule;
    int m_failures = 0;
};
