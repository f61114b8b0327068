#include "PublicationCalendar.h"

#include <QTimeZone>

namespace {

const QTime kEcbPublication(16, 0);

QTimeZone frankfurt() {
    static const QTimeZone zone = [] {
        QTimeZone berlin("Europe/Berlin");
        // Without time-zone data, winter time is an hour early at worst in summer, which the
        // delay after publication absorbs.
        return berlin.isValid() ? berlin : QTimeZone(3600);
    }();
    return zone;
}

QDate easterSunday(int year) {
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

bool isEcbWorkingDay(QDate date) {
    return date.dayOfWeek() <= 5 && !PublicationCalendar::isTargetHoliday(date);
}

QDateTime ecbPublication(QDate date) {
    return QDateTime(date, kEcbPublication, frankfurt());
}

constexpr int kLongestGap = 10; // days between two working days, with margin for Easter

} // namespace

bool PublicationCalendar::isTargetHoliday(QDate date) {
    const int month = date.month(), day = date.day();
    if ((month == 1 && day == 1) || (month == 5 && day == 1) || (month == 12 && (day == 25 || day == 26)))
        return true;
    const QDate easter = easterSunday(date.year());
    return date == easter.addDays(-2) || date == easter.addDays(1);
}

QDateTime PublicationCalendar::next(Rule rule, const QDateTime& now) {
    if (rule == Rule::DailyUtcMidnight)
        return QDateTime(now.toUTC().date().addDays(1), QTime(0, 0), Qt::UTC);
    QDate day = now.toTimeZone(frankfurt()).date();
    for (int i = 0; i <= kLongestGap; ++i, day = day.addDays(1)) {
        if (isEcbWorkingDay(day) && ecbPublication(day) > now)
            return ecbPublication(day).toUTC();
    }
    return {};
}

QDateTime PublicationCalendar::publishedAt(Rule rule, QDate date) {
    return rule == Rule::DailyUtcMidnight ? QDateTime(date, QTime(0, 0), Qt::UTC)
                                          : ecbPublication(date).toUTC();
}

QDate PublicationCalendar::latestDataDate(Rule rule, const QDateTime& now) {
    if (rule == Rule::DailyUtcMidnight)
        return now.toUTC().date();
    QDate day = now.toTimeZone(frankfurt()).date();
    for (int i = 0; i <= kLongestGap; ++i, day = day.addDays(-1)) {
        if (isEcbWorkingDay(day) && ecbPublication(day) <= now)
            return day;
    }
    return {};
}
