#include "DateFormatter.h"

#include <QTimeZone>
#include <gtest/gtest.h>
#include <memory>
#include <unicode/timezone.h>

namespace {

// 7 December 2026, 20:00 UTC: 21:00 in Berlin, 15:00 in New York.
const QDateTime kInstant(QDate(2026, 12, 7), QTime(20, 0), Qt::UTC);

using Style = DateFormatter::Style;

} // namespace

TEST(DateFormatter, showsTheInstantInTheGivenZoneAndLocale) {
    const DateFormatter berlin(Style::Short, Style::Short, "de_DE", "Europe/Berlin");
    EXPECT_EQ(berlin.stringFromDate(kInstant), "07.12.26, 21:00");
    // The instant counts, not the zone the date was given in.
    EXPECT_EQ(berlin.stringFromDate(kInstant.toTimeZone(QTimeZone("America/New_York"))), "07.12.26, 21:00");
    EXPECT_EQ(berlin.stringFromDate(QDateTime(QDate(2026, 7, 1), QTime(20, 0), Qt::UTC)), "01.07.26, 22:00");
    EXPECT_EQ(DateFormatter(Style::Short, Style::Long, "de_DE", "America/New_York").stringFromDate(kInstant),
              "07.12.26, 15:00:00 GMT-5");
    // ICU's English times put a narrow no-break space before "PM".
    EXPECT_EQ(DateFormatter(Style::Short, Style::Long, "en_US", "America/New_York").stringFromDate(kInstant),
              QString::fromUtf8("12/7/26, 3:00:00\u202FPM EST"));
}

TEST(DateFormatter, showsOnlyTheRequestedParts) {
    EXPECT_EQ(DateFormatter(Style::Short, Style::None, "de_DE", "Europe/Berlin").stringFromDate(kInstant),
              "07.12.26");
    EXPECT_EQ(DateFormatter(Style::None, Style::Short, "de_DE", "Europe/Berlin").stringFromDate(kInstant),
              "21:00");
    EXPECT_EQ(DateFormatter(Style::None, Style::None, "de_DE", "Europe/Berlin").stringFromDate(kInstant), "");
}

TEST(DateFormatter, anInvalidDateGivesAnEmptyString) {
    const DateFormatter formatter(Style::Short, Style::Short, "de_DE", "Europe/Berlin");
    EXPECT_EQ(formatter.stringFromDate(QDateTime()), "");
    EXPECT_EQ(formatter.stringFromDate(QDateTime(QDate(2026, 2, 30), QTime(12, 0), Qt::UTC)), "");
}

TEST(DateFormatter, anEmptyZoneMeansTheDefaultOne) {
    std::unique_ptr<icu::TimeZone> saved(icu::TimeZone::createDefault());
    icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("Asia/Tokyo"));
    const DateFormatter formatter(Style::Short, Style::Short, "de_DE");
    icu::TimeZone::adoptDefault(saved.release());
    EXPECT_EQ(formatter.stringFromDate(kInstant), "08.12.26, 05:00");
}
