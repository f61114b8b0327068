#include "Decimal.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

Decimal d(const char* text) {
    return Decimal::fromString(QString::fromLatin1(text));
}

RoundingBehavior scaled(int scale, RoundingMode mode = RoundingMode::Plain) {
    return {mode, scale};
}

} // namespace

TEST(Decimal, readsAndWritesPlainText) {
    EXPECT_EQ(d("12.50").toString(), "12.5");
    EXPECT_EQ(d("-0.003").toString(), "-0.003");
    EXPECT_EQ(d("000.5").toString(), "0.5");
    EXPECT_EQ(d("1e-5").toString(), "0.00001");
    EXPECT_EQ(d("1.5E+3").toString(), "1500");
    EXPECT_EQ(d("-0").toString(), "0");
    EXPECT_EQ(d(".5").toString(), "0.5");
    EXPECT_EQ(d("12345678901234567890123456789012345678").toString(),
              "12345678901234567890123456789012345678");
    // A 39th digit is rounded away, halves away from zero.
    EXPECT_EQ(d("123456789012345678901234567890123456785").toString(),
              "123456789012345678901234567890123456790");
    EXPECT_EQ(Decimal::fromString("1,25", u',').toString(), "1.25");
}

TEST(Decimal, refusesTextThatIsNotOneNumber) {
    for (const char* bad :
         {"", "-", ".", "1.2.3", "1e", "1e+", " 1", "1 ", "--1", "abc", "1,5", "NaN", "0x10", "1e5x"})
        EXPECT_TRUE(d(bad).isNaN()) << bad;
}

TEST(Decimal, writesTheGivenSeparatorAndMinusSignWithoutGrouping) {
    EXPECT_EQ(d("-1234567.25").toString(",", "-"), "-1234567,25");
    EXPECT_EQ(d("-0.5").toString("\u066B", "\u200E-"), "\u200E-0\u066B5"); // both longer or wider than "."
    EXPECT_EQ(d("1234567").toString(",", "-"), "1234567");
    EXPECT_EQ(Decimal::notANumber().toString(",", "-"), "NaN");
}

TEST(Decimal, convertsFromDoubleThroughTheShortestText) {
    EXPECT_EQ(Decimal::fromDouble(0.1).toString(), "0.1");
    EXPECT_EQ(Decimal::fromDouble(1.0 / 3.0).toString(), "0.3333333333333333");
    EXPECT_EQ(Decimal::fromDouble(1.95583).toString(), "1.95583");
    EXPECT_EQ(Decimal::fromDouble(1e-7).toString(), "0.0000001");
    EXPECT_EQ(Decimal::fromDouble(-2.5e20).toString(), "-250000000000000000000");
    EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::quiet_NaN()).isNaN());
    EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::infinity()).isNaN());
    for (double v : {0.9234567890123, 123456.789, 5e-324 * 1e300, 1.7976931348623157e100})
        EXPECT_EQ(Decimal::fromDouble(v).toDouble(), v);
}

TEST(Decimal, dividesWithTheRateRounding) {
    const RoundingBehavior rate = scaled(10);
    EXPECT_EQ(Decimal(3).divide(2, rate).toString(), "1.5");
    EXPECT_EQ(Decimal(2).divide(3, rate).toString(), "0.6666666667");
    EXPECT_EQ(Decimal(1).divide(3, rate).toString(), "0.3333333333");
    EXPECT_EQ(Decimal(-2).divide(3, rate).toString(), "-0.6666666667");
    EXPECT_EQ(Decimal(1).divide(3).toString(), "0.33333333333333333333333333333333333333");
}

TEST(Decimal, roundsHalvesByMode) {
    EXPECT_EQ(d("2.5").round(scaled(0)).toString(), "3");
    EXPECT_EQ(d("-2.5").round(scaled(0)).toString(), "-3");
    EXPECT_EQ(d("2.5").round(scaled(0, RoundingMode::Bankers)).toString(), "2");
    EXPECT_EQ(d("3.5").round(scaled(0, RoundingMode::Bankers)).toString(), "4");
    EXPECT_EQ(d("2.51").round(scaled(0, RoundingMode::Bankers)).toString(), "3");
    EXPECT_EQ(d("2.1").round(scaled(0, RoundingMode::Up)).toString(), "3");
    EXPECT_EQ(d("-2.1").round(scaled(0, RoundingMode::Up)).toString(), "-2");
    EXPECT_EQ(d("-2.1").round(scaled(0, RoundingMode::Down)).toString(), "-3");
    EXPECT_EQ(d("9.996").round(scaled(2)).toString(), "10");
    EXPECT_EQ(d("1234.5").round(scaled(-2)).toString(), "1200");
    // Rounding is done once on the exact result, not first to 38 digits and then to the scale.
    EXPECT_EQ(d("0.99999999999999999999999999999999999999").multiply(d("0.5"), scaled(0)).toString(), "0");
}

TEST(Decimal, notANumberForDivisionByZeroAndOverflowAndItSpreads) {
    EXPECT_TRUE(Decimal(1).divide(0).isNaN());
    EXPECT_TRUE(Decimal(0).divide(0).isNaN());
    const Decimal huge = d("9e164"); // 38 digits with the largest exponent reach about 1e165
    EXPECT_TRUE(d("1e165").isNaN());
    EXPECT_FALSE(huge.isNaN());
    EXPECT_TRUE(huge.multiply(10).isNaN());
    EXPECT_TRUE(huge.multiplyByPowerOf10(1).isNaN());
    EXPECT_TRUE(huge.multiplyByPowerOf10(100000).isNaN());
    const Decimal nan = Decimal::notANumber();
    EXPECT_TRUE(nan.add(1).isNaN());
    EXPECT_TRUE(Decimal(1).multiply(nan).isNaN());
    EXPECT_TRUE(nan.round(scaled(2)).isNaN());
    EXPECT_FALSE(nan == nan);
    EXPECT_TRUE((nan <=> Decimal(1)) == std::partial_ordering::unordered);
    // Too small to hold is zero, not an error.
    EXPECT_TRUE(d("1e-100").multiply(d("1e-100")).isZero());
}

TEST(Decimal, multipliesByPowersOfTen) {
    EXPECT_EQ(d("1.5").multiplyByPowerOf10(3).toString(), "1500");
    EXPECT_EQ(d("15").multiplyByPowerOf10(-3).toString(), "0.015");
    EXPECT_EQ(d("0.125").multiplyByPowerOf10(-1, scaled(2)).toString(), "0.01");
}

TEST(Decimal, comparesByValue) {
    EXPECT_EQ(d("1.50"), d("1.5"));
    EXPECT_LT(d("-3"), d("-2.99"));
    EXPECT_LT(d("0"), d("0.0000001"));
    EXPECT_GT(d("100"), d("99.999999999999999999999999999999999999"));
    EXPECT_LT(d("-100"), Decimal());
    EXPECT_EQ(d("1e3"), Decimal(1000));
}

TEST(Decimal, convertsToIntegersOnlyWhenExact) {
    EXPECT_EQ(d("1500").toInteger(), 1500);
    EXPECT_EQ(d("-9223372036854775808").toInteger(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(d("9223372036854775807").toInteger(), std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(d("9223372036854775808").toInteger());
    EXPECT_FALSE(d("1.5").toInteger());
    EXPECT_EQ(Decimal::fromInteger(std::numeric_limits<std::int64_t>::min()).toString(),
              "-9223372036854775808");
}

// The reference results come from Python's decimal module: 38 digits, halves away from zero.
TEST(Decimal, agreesWithPythonOnRandomOperations) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(RATEPAD_SOURCE_DIR "/tests/platform/data/decimal_reference.py"),
                  QStringLiteral("20261207"), QStringLiteral("100000")});
    ASSERT_TRUE(python.waitForFinished(120000)) << "python3 is needed for this test";
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    QTextStream lines(python.readAllStandardOutput());
    int checked = 0, failures = 0;
    while (!lines.atEnd()) {
        const QStringList f = lines.readLine().split(u' ');
        if (f.size() != 5)
            continue;
        const Decimal a = Decimal::fromString(f[1]), b = Decimal::fromString(f[2]);
        RoundingBehavior behavior;
        if (f[3] != u"-")
            behavior.scale = f[3].toInt();
        Decimal result;
        if (f[0] == u"add")
            result = a.add(b, behavior);
        else if (f[0] == u"sub")
            result = a.subtract(b, behavior);
        else if (f[0] == u"mul")
            result = a.multiply(b, behavior);
        else
            result = a.divide(b, behavior);
        ++checked;
        if (result.toString() != f[4] && ++failures <= 10)
            ADD_FAILURE() << f.join(u' ').toStdString() << " but got " << result.toString().toStdString();
    }
    EXPECT_EQ(checked, 100000);
    EXPECT_EQ(failures, 0);
}
