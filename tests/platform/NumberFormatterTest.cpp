#include "NumberFormatter.h"

#include <gtest/gtest.h>

namespace {

Decimal d(const char* text) {
    return Decimal::fromString(QString::fromLatin1(text));
}

} // namespace

TEST(NumberFormatter, formatsDecimalsExactlyBeyondDoublePrecision) {
    const NumberFormatter formatter("###0.00000#####", "en_US");
    EXPECT_EQ(formatter.stringFromDecimal(d("12345678901234567890.1234567891")),
              "12345678901234567890.1234567891");
    // Just above half a unit of the tenth digit: rounds up, where the nearest double would be a tie.
    EXPECT_EQ(formatter.stringFromDecimal(d("0.00000000005000000000000000001")), "0.0000000001");
    EXPECT_EQ(formatter.stringFromDecimal(Decimal::notANumber()), "NaN");
}

TEST(NumberFormatter, roundsHalfEvenUnlessTold) {
    NumberFormatter formatter("0.0", "en_US");
    EXPECT_EQ(formatter.stringFromDecimal(d("0.25")), "0.2");
    EXPECT_EQ(formatter.stringFromDecimal(d("0.35")), "0.4");
    formatter.setRoundingMode(RoundingMode::Plain);
    EXPECT_EQ(formatter.stringFromDecimal(d("0.25")), "0.3");
    EXPECT_EQ(formatter.stringFromDecimal(d("-0.25")), "-0.3");
    formatter.setRoundingMode(RoundingMode::Up);
    EXPECT_EQ(formatter.stringFromDecimal(d("-0.29")), "-0.2");
    formatter.setRoundingMode(RoundingMode::Down);
    EXPECT_EQ(formatter.stringFromDecimal(d("-0.21")), "-0.3");
    formatter.setRoundingMode(RoundingMode::Bankers);
    EXPECT_EQ(formatter.stringFromDecimal(d("0.25")), "0.2");
}

TEST(NumberFormatter, usesTheLocaleSymbolsUntilOthersAreSet) {
    NumberFormatter german("#,##0.00", "de_DE");
    EXPECT_EQ(german.stringFromDecimal(d("1234567.5")), "1.234.567,50");
    german.setDecimalSeparator(".");
    german.setGroupingSeparator("'");
    EXPECT_EQ(german.stringFromDecimal(d("1234567.5")), "1'234'567.50");
    german.setGroupingUsed(false);
    EXPECT_EQ(german.stringFromDecimal(d("1234567.5")), "1234567.50");
    EXPECT_EQ(german.decimalFromString("1234567.5"), d("1234567.5"));
}

TEST(NumberFormatter, strictParsingGivesTheExactDecimal) {
    const NumberFormatter formatter("###0.00000#####", "en_US");
    const auto tenth = formatter.decimalFromString("0.1");
    ASSERT_TRUE(tenth);
    EXPECT_EQ(tenth->toString(), "0.1");
    EXPECT_EQ(formatter.decimalFromString("12345678901234567890123456789012345.123"),
              d("12345678901234567890123456789012345.123"));
    EXPECT_EQ(formatter.decimalFromString("-1.5"), d("-1.5"));
    // ICU reads an exponent even though the pattern has none.
    EXPECT_EQ(formatter.decimalFromString("1.5e-3"), d("0.0015"));
}

TEST(NumberFormatter, strictParsingRefusesAnythingButOneWholeNumber) {
    const NumberFormatter english("###0.00000#####", "en_US");
    for (const char* text :
         {"", "abc", "1.2.3", "1.5x", " 1", "1 ", "1,234.5", "1,5", "+1.5", "NaN", "∞", "-"})
        EXPECT_FALSE(english.decimalFromString(QString::fromUtf8(text))) << text;
    // The locale's own grouping separator is refused too where the pattern does not group.
    const NumberFormatter german("###0.00000#####", "de_DE");
    EXPECT_FALSE(german.decimalFromString("1.5"));
    EXPECT_EQ(german.decimalFromString("1,5"), d("1.5"));
}

TEST(NumberFormatter, lenientParsingTakesTheLeadingNumber) {
    NumberFormatter formatter("#,##0.##", "en_US");
    formatter.setLenient(true);
    EXPECT_EQ(formatter.decimalFromString("1.5x"), d("1.5"));
    EXPECT_EQ(formatter.decimalFromString("12,34.5"), d("1234.5"));
    EXPECT_FALSE(formatter.decimalFromString("NaN"));
    formatter.setLenient(false);
    EXPECT_FALSE(formatter.decimalFromString("12,34.5"));
}

TEST(NumberFormatter, aBrokenPatternFormatsAndReadsNothing) {
    NumberFormatter formatter("0.0.0", "en_US");
    formatter.setDecimalSeparator(",");
    EXPECT_EQ(formatter.stringFromDecimal(d("1.5")), "");
    EXPECT_FALSE(formatter.decimalFromString("1.5"));
}
