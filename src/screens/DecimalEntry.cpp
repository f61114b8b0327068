#include "DecimalEntry.h"

#include "LocaleCategories.h"
#include "NumberFormatter.h"

DecimalEntry::DecimalEntry(QObject* parent) : QObject(parent) {}

DecimalEntry::~DecimalEntry() = default;

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

bool DecimalEntry::deleteLast() {
    if (m_decimalPosition == 0) {
        if (m_currentValue.isZero())
            return false;
        --m_digitCount;
        // The amount is never negative, so rounding down drops the last digit.
        setCurrentValue(m_currentValue.multiplyByPowerOf10(-1).round({RoundingMode::Down, 0}));
        return true;
    }
    if (m_fractionDigits == 0) {
        // Only the point was typed: back to integer entry, the amount as it was.
        setDecimalPosition(0);
        return true;
    }
    --m_digitCount;
    // The amount redraws with one decimal fewer, then the position steps back onto that digit.
    --m_fractionDigits;
    setCurrentValue(m_currentValue.round({RoundingMode::Down, m_fractionDigits}));
    setDecimalPosition(m_decimalPosition - 1);
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

namespace {

// `operation` rounded to two decimals or, where that gives 0 for a result that is not, to its first
// significant digits. Each figure is rounded once, from the exact result.
template <typename Operation> Decimal roundedResult(Operation operation) {
    const Decimal rounded = operation(DecimalEntry::resultBehavior());
    if (!rounded.isZero())
        return rounded;
    const std::optional<int> leading = operation(DecimalEntry::entryBehavior()).leadingDigitExponent();
    if (!leading)
        return rounded;
    return operation(RoundingBehavior::plain(DecimalEntry::kSmallResultDigits - 1 - *leading));
}

} // namespace

Decimal DecimalEntry::resultOne() const {
    if (!m_multiplier)
        return Decimal();
    return roundedResult(
        [&](RoundingBehavior behavior) { return m_currentValue.multiply(*m_multiplier, behavior); });
}

Decimal DecimalEntry::resultTwo() const {
    if (!m_multiplier)
        return Decimal();
    // The multiplier is never 0, so this never divides by zero.
    return roundedResult(
        [&](RoundingBehavior behavior) { return m_currentValue.divide(*m_multiplier, behavior); });
}

QString DecimalEntry::displayPattern(int fractionDigits) {
    if (fractionDigits <= 0)
        return QStringLiteral("0");
    return QStringLiteral("0.") + QString(fractionDigits, u'0');
}

QString DecimalEntry::shownText(const QString& locale) const {
    // The pattern follows the number of decimals typed; the locale is looked up on every call, so a
    // change of it takes effect at the next key.
    const QString name = locale.isEmpty() ? LocaleCategories::numbers() : locale;
    std::unique_ptr<NumberFormatter>& formatter = m_shownFormatters[{m_fractionDigits, name}];
    if (!formatter) {
        formatter = std::make_unique<NumberFormatter>(displayPattern(m_fractionDigits), name);
        formatter->setRoundingMode(RoundingMode::Plain);
    }
    return formatter->stringFromDecimal(shownValue());
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
