#include "RefreshSchedule.h"

#include "PublicationCalendar.h"

#include <gtest/gtest.h>

namespace {

QDateTime utc(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

TEST(RefreshScheduleTest, ecb_publishesAt16BerlinOnTargetWorkingDays) {
    const struct {
        const char* now;
        const char* next;
        const char* latestData;
    } cases[] = {
        {"2026-12-08T12:00:00Z", "2026-12-08T15:00:00Z", "2026-12-07"}, // winter: 16:00 CET
        {"2026-12-08T15:00:00Z", "2026-12-09T15:00:00Z", "2026-12-08"},
        {"2026-12-11T18:00:00Z", "2026-12-14T15:00:00Z", "2026-12-11"}, // Friday evening to Monday
        {"2026-12-13T10:00:00Z", "2026-12-14T15:00:00Z", "2026-12-11"},
        {"2026-07-01T13:59:59Z", "2026-07-01T14:00:00Z", "2026-06-30"}, // summer: 16:00 CEST
        {"2026-03-27T15:30:00Z", "2026-03-30T14:00:00Z", "2026-03-27"}, // over the clock change
        {"2026-04-02T15:00:00Z", "2026-04-07T14:00:00Z", "2026-04-02"}, // Good Friday, Easter Monday
        {"2027-03-25T15:00:00Z", "2027-03-30T14:00:00Z", "2027-03-25"}, // Easter 2027 is 28 March
        {"2026-04-30T15:00:00Z", "2026-05-04T14:00:00Z", "2026-04-30"}, // 1 May
        {"2026-12-24T16:00:00Z", "2026-12-28T15:00:00Z", "2026-12-24"}, // Christmas
        {"2026-12-31T23:30:00Z", "2027-01-04T15:00:00Z",
         "2026-12-31"}, // New Year, already 1 January in Berlin
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PublicationCalendar::next(PublicationCalendar::Rule::EcbWorkingDays, utc(c.now)),
                  utc(c.next))
            << c.now;
        EXPECT_EQ(PublicationCalendar::latestDataDate(PublicationCalendar::Rule::EcbWorkingDays, utc(c.now)),
                  QDate::fromString(QString::fromLatin1(c.latestData), Qt::ISODate))
            << c.now;
        // The moment a day's data came out, which answers carry as their Last-Modified.
        EXPECT_EQ(
            PublicationCalendar::publishedAt(PublicationCalendar::Rule::EcbWorkingDays, utc(c.next).date()),
            utc(c.next))
            << c.next;
    }
    const QDateTime midnight = utc("2026-12-08T23:59:59Z");
    EXPECT_EQ(PublicationCalendar::next(PublicationCalendar::Rule::DailyUtcMidnight, midnight),
              utc("2026-12-09T00:00:00Z"));
    EXPECT_EQ(PublicationCalendar::latestDataDate(PublicationCalendar::Rule::DailyUtcMidnight, midnight),
              QDate(2026, 12, 8));
    EXPECT_EQ(
        PublicationCalendar::publishedAt(PublicationCalendar::Rule::DailyUtcMidnight, QDate(2026, 12, 9)),
        utc("2026-12-09T00:00:00Z"));
}

TEST(RefreshScheduleTest, failuresBackOffFrom5MinutesTo6Hours_andASuccessWaitsForThePublication) {
    RefreshSchedule schedule(PublicationCalendar::Rule::DailyUtcMidnight);
    const QDateTime now = utc("2026-12-08T12:00:00Z");
    QList<qint64> minutes;
    for (int i = 0; i < 9; ++i)
        minutes << now.secsTo(schedule.afterFailure(now)) / 60;
    EXPECT_EQ(minutes, (QList<qint64>{5, 10, 20, 40, 80, 160, 320, 360, 360}));
    EXPECT_EQ(schedule.afterSuccess(now, std::chrono::seconds(90)), utc("2026-12-09T00:11:30Z"));
    EXPECT_EQ(schedule.afterFailure(now), now.addSecs(300)); // the success started the back-off afresh
    EXPECT_EQ(schedule.afterSuccess(now, std::chrono::hours(5)),
              utc("2026-12-09T00:20:00Z")); // spread capped
    EXPECT_TRUE(schedule.isCurrent(QDate(2026, 12, 8), now));
    EXPECT_FALSE(schedule.isCurrent(QDate(2026, 12, 7), now));
}

} // namespace
