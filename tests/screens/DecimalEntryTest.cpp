// The keypad's arithmetic on its own: what each observer sees, and when.
#include "DecimalEntry.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(DecimalEntry, aFractionDigitRedrawsWithItselfShownBeforeThePositionMovesOnAndEverySetNotifies) {
    DecimalEntry entry;
    QStringList log;
    QObject::connect(&entry, &DecimalEntry::currentValueChanged, [&] {
        log << QStringLiteral("value %1 shown %2")
                   .arg(entry.currentValue().toString(), entry.shownText(QStringLiteral("en_US")));
    });
    QObject::connect(&entry, &DecimalEntry::decimalPositionChanged,
                     [&] { log << QStringLiteral("position %1").arg(entry.decimalPosition()); });
    QObject::connect(&entry, &DecimalEntry::multiplierChanged, [&] { log << QStringLiteral("multiplier"); });

    for (int digit : {1, 2})
        entry.appendDigit(digit);
    entry.startFraction();
    for (int digit : {0, 5})
        entry.appendDigit(digit);
    entry.takeRate(Decimal(2)); // the same amount set again, for the new rate
    entry.clear();
    EXPECT_EQ(log, (QStringList{"value 1 shown 1", "value 12 shown 12", "position 1", "value 12 shown 12.0",
                                "position 2", "value 12.05 shown 12.05", "position 3", "multiplier",
                                "value 12.05 shown 12.05", "position 0", "value 0 shown 0"}));
}

} // namespace
