// The keypad's arithmetic on its own, without widgets.
#include "DecimalEntry.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// What each notification saw at the moment it arrived.
struct Recorder {
    explicit Recorder(DecimalEntry& entry) {
        QObject::connect(&entry, &DecimalEntry::currentValueChanged, [this, &entry] {
            log << QStringLiteral("value %1 shown %2 position %3")
                       .arg(entry.currentValue().toString(), entry.shownText(QLocale::c()))
                       .arg(entry.decimalPosition());
        });
        QObject::connect(&entry, &DecimalEntry::decimalPositionChanged, [this, &entry] {
            log << QStringLiteral("position %1").arg(entry.decimalPosition());
        });
        QObject::connect(&entry, &DecimalEntry::multiplierChanged,
                         [this] { log << QStringLiteral("multiplier"); });
    }
    QStringList log;
};

TEST(DecimalEntry, aFractionDigitRedrawsWithItselfShownBeforeThePositionMovesOn) {
    DecimalEntry entry;
    Recorder recorder(entry);
    entry.appendDigit(1);
    entry.appendDigit(2);
    entry.startFraction();
    entry.appendDigit(0);
    entry.appendDigit(5);
    EXPECT_EQ(recorder.log, (QStringList{"value 1 shown 1 position 0", "value 12 shown 12 position 0",
                                         "position 1", "value 12 shown 12.0 position 1", "position 2",
                                         "value 12.05 shown 12.05 position 2", "position 3"}));
}

TEST(DecimalEntry, clearAndResetSetTheirValuesInOrderAndEveryTimeEvenWhenEqual) {
    DecimalEntry entry;
    Recorder recorder(entry);
    entry.clear();
    entry.reset();
    entry.takeRate(Decimal(2));
    entry.takeRate(Decimal(2));
    EXPECT_EQ(recorder.log,
              (QStringList{"position 0", "value 0 shown 0 position 0", "multiplier",
                           "value 0 shown 0 position 0", "position 0", "multiplier",
                           "value 0 shown 0 position 0", "multiplier", "value 0 shown 0 position 0"}));
}

TEST(DecimalEntry, aRedrawForANewRateKeepsTheDecimalsTyped) {
    DecimalEntry entry;
    for (int d : {2, 5})
        entry.appendDigit(d);
    entry.startFraction();
    EXPECT_EQ(entry.shownText(QLocale::c()), "25") << "a point alone shows nothing yet";
    entry.appendDigit(0);
    entry.takeRate(Decimal::fromString("1.1"));
    EXPECT_EQ(entry.shownText(QLocale::c()), "25.0");
    EXPECT_EQ(entry.resultOne().toString(), "27.5");
    EXPECT_EQ(entry.resultTwo().toString(), "22.73");
}

TEST(DecimalEntry, keysThatCannotActChangeNothing) {
    DecimalEntry entry;
    EXPECT_FALSE(entry.appendDigit(10));
    EXPECT_FALSE(entry.appendDigit(-1));
    EXPECT_TRUE(entry.startFraction());
    EXPECT_FALSE(entry.startFraction()) << "a second point would restart the decimals";
    EXPECT_EQ(entry.decimalPosition(), 1);

    // 38 digits in all, zeros after the point included; the integer part's lone zero is free.
    for (int i = 0; i < 38; ++i)
        EXPECT_TRUE(entry.appendDigit(i == 37 ? 7 : 0)) << i;
    EXPECT_FALSE(entry.appendDigit(1));
    EXPECT_EQ(entry.currentValue(), Decimal::fromParts(false, 7, -38));
    EXPECT_EQ(entry.digitCount(), 38);
    EXPECT_EQ(entry.shownText(QLocale::c()), "0." + QString(37, u'0') + "7");

    entry.clear();
    EXPECT_TRUE(entry.appendDigit(0)) << "a leading zero is accepted and costs nothing";
    EXPECT_EQ(entry.digitCount(), 0);
}

TEST(DecimalEntry, resultsRoundHalvesAwayFromZeroToCentsAndOnlyPositiveRatesConvert) {
    DecimalEntry entry;
    entry.appendDigit(1);
    const struct {
        const char* rate;
        const char* one;
        const char* two;
    } cases[] = {{"8", "8", "0.13"},
                 {"3", "3", "0.33"},
                 {"0.005", "0.01", "200"},
                 {"0.004", "0", "250"},
                 {"1.5", "1.5", "0.67"}};
    for (const auto& c : cases) {
        entry.takeRate(Decimal::fromString(c.rate));
        EXPECT_EQ(entry.resultOne().toString(), c.one) << c.rate;
        EXPECT_EQ(entry.resultTwo().toString(), c.two) << c.rate;
    }
    for (const std::optional<Decimal>& unusable :
         {std::optional<Decimal>(), std::optional<Decimal>(Decimal()), std::optional<Decimal>(Decimal(-1)),
          std::optional<Decimal>(Decimal::notANumber())}) {
        entry.takeRate(unusable);
        EXPECT_FALSE(entry.multiplier());
        EXPECT_TRUE(entry.resultOne().isZero());
        EXPECT_TRUE(entry.resultTwo().isZero());
    }
}

TEST(DecimalEntry, theDisplayPatternAndTextFollowTheDecimalsAndTheLocale) {
    EXPECT_EQ(DecimalEntry::displayPattern(0), "0");
    EXPECT_EQ(DecimalEntry::displayPattern(1), "0.0");
    EXPECT_EQ(DecimalEntry::displayPattern(3), "0.000");

    DecimalEntry entry;
    for (int d : {1, 2, 3, 4, 5, 6, 7})
        entry.appendDigit(d);
    entry.startFraction();
    entry.appendDigit(5);
    entry.appendDigit(0);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(entry.shownText(german), "1234567,50") << "no grouping, typed zero kept";
    EXPECT_EQ(entry.shownText(QLocale(QLocale::English, QLocale::UnitedStates)), "1234567.50");
    entry.takeRate(Decimal(4));
    EXPECT_EQ(DecimalEntry::resultText(entry.resultOne(), german), "4938270");
    EXPECT_EQ(DecimalEntry::resultText(entry.resultTwo(), german), "308641,88");
}

} // namespace
