#pragma once

#include <QDate>
#include <QDateTime>

// When each kind of source publishes. Pure arithmetic on a given instant, so that tests need no clock.
class PublicationCalendar final {
public:
    enum class Rule {
        // About 16:00 Europe/Berlin on TARGET working days (no weekends, New Year, Good Friday,
        // Easter Monday, 1 May, 25 and 26 December); the data carries that day's date.
        EcbWorkingDays,
        // Every day at 00:00 UTC, dated that day.
        DailyUtcMidnight,
    };

    // The first publication strictly after `now`, in UTC.
    static QDateTime next(Rule rule, const QDateTime& now);
    // When data of `date` was published, in UTC.
    static QDateTime publishedAt(Rule rule, QDate date);
    // The date that the most recent publication at or before `now` carries.
    static QDate latestDataDate(Rule rule, const QDateTime& now);
    static bool isTargetHoliday(QDate date);
};
