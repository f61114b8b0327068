#include "DecimalEntry.h"

#include "LocaleCategories.h"
#include "NumberFormatter.h"

DecimalEntry::DecimalEntry(QObject* parent) : QObject(parent) {}

bool DecimalEntry::appendDigit(int digit) {
    if (digit < 0 || digit > 9)
        return false;
    if (m_decimalPosition == 0) {
        // Zeros in front of the first digit do not show and so do not count.
        const bool leadingZero = m_currentValue.isZero() && digit == 0;
        if (!leadingZero) {
            if (m_digitCount >= kMaxDigits)
                return false;
            ++m_digitCount;
        }
        setCurrentValue(m_currentValue.multiply(10, entryBehavior()).add(digit, entryBehavior()));
        return true;
    }
    if (m_digitCount >= kMaxDigits)
        return false;
    ++m_digitCount;
    // The amount redraws with the digit just typed as its last shown decimal, before the position
    // moves on to the next one.
    m_fractionDigits = m_decimalPosition;
    const Decimal step = Decimal(digit).multiplyByPowerOf10(-m_decimalPosition, entryBehavior());
    setCurrentValue(m_currentValue.add(step, entryBehavior()));
    setDecimalPosition(m_decimalPosition + 1);
    return true;
}

bool DecimalEntry::startFraction() {
    // A second point would restart the decimals at tenths and corrupt the amount.
    if (isFractionEntry())
        return false;
    setDecimalPosition(1);
    return true;
}

void DecimalEntry::clear() {
    m_fractionDigits = 0;
    m_digitCount = 0;
    setDecimalPosition(0);
    setCurrentValue(Decimal());
}

void DecimalEntry::takeRate(const std::optional<Decimal>& rate) {
    const bool usable = rate && !rate->isNaN() && *rate > Decimal();
    setMultiplier(usable ? rate : std::nullopt);
    setCurrentValue(m_currentValue);
}

void DecimalEntry::reset() {
    setMultiplier(std::nullopt);
    m_fractionDigits = 0;
    m_digitCount = 0;
    setCurrentValue(Decimal());
    setDecimalPosition(0);
}

Decimal DecimalEntry::resultOne() const {
    return m_multiplier ? m_currentValue.multiply(*m_multiplier, resultBehavior()) : Decimal();
}

Decimal DecimalEntry::resultTwo() const {
    // The multiplier is never 0, so this never divides by zero.
    return m_multiplier ? m_currentValue.divide(*m_multiplier, resultBehavior()) : Decimal();
}

QString DecimalEntry::displayPattern(int fractionDigits) {
    if (fractionDigits <= 0)
        return QStringLiteral("0");
    return QStringLiteral("0.") + QString(fractionDigits, u'0');
}

QString DecimalEntry::shownText(const QString& locale) const {
    // Built afresh each time: the pattern follows the number of decimals typed.
    NumberFormatter formatter(displayPattern(m_fractionDigits), locale);
    formatter.setRoundingMode(RoundingMode::Plain);
    return formatter.stringFromDecimal(shownValue());
}

QString DecimalEntry::resultText(const Decimal& result) {
    return result.toString(LocaleCategories::decimalSeparator(), LocaleCategories::minusSign());
}

void DecimalEntry::setCurrentValue(const Decimal& value) {
    m_currentValue = value;
    emit currentValueChanged();
}

void DecimalEntry::setDecimalPosition(int position) {
    m_decimalPosition = position;
    emit decimalPositionChanged();
}

void DecimalEntry::setMultiplier(const std::optional<Decimal>& multiplier) {
    m_multiplier = multiplier;
    emit multiplierChanged();
}
