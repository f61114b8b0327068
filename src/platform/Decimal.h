#pragma once

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// 128-bit mantissa; __extension__ keeps -Wpedantic quiet about the compiler's extended integer.
__extension__ typedef unsigned __int128 DecimalMantissa;

enum class RoundingMode {
    Plain,   // to nearest, halves away from zero
    Down,    // towards minus infinity
    Up,      // towards plus infinity
    Bankers, // to nearest, halves to the even digit
};

// How an operation rounds its result: a mode and, optionally, the number of digits kept after the point.
struct RoundingBehavior {
    RoundingMode mode = RoundingMode::Plain;
    std::optional<int> scale;

    static RoundingBehavior plain(std::optional<int> scale = std::nullopt) {
        return {RoundingMode::Plain, scale};
    }
};

// An exact decimal number: sign, up to 38 significant digits and a power-of-ten exponent.
// Nothing throws: division by zero, overflow and unreadable text give "not a number", which
// propagates through every later operation.
class Decimal final {
public:
    static constexpr int kMaxDigits = 38;
    static constexpr int kMinExponent = -128;
    static constexpr int kMaxExponent = 127;

    Decimal() = default; // zero
    Decimal(int value);  // NOLINT: implicit on purpose, integers are exact decimals
    static Decimal fromInteger(std::int64_t value);
    static Decimal notANumber();
    // mantissa * 10^exponent, rounded to 38 digits.
    static Decimal fromParts(bool negative, DecimalMantissa mantissa, int exponent);

    // Plain notation or with an exponent ("12.5", "-0.003", "1e-5"); anything else is not a number.
    static Decimal fromString(const QString& text, QChar decimalSeparator = u'.');
    // Through the shortest text that reads back to the same double; NaN and infinities are not numbers.
    static Decimal fromDouble(double value);

    bool isNaN() const { return m_nan; }
    bool isZero() const { return !m_nan && m_mantissa == 0; }
    bool isNegative() const { return !m_nan && m_negative && m_mantissa != 0; }
    int exponent() const { return m_exponent; }
    DecimalMantissa mantissa() const { return m_mantissa; }
    // Number of digits after the point in the plain form (0 for integers).
    int scale() const { return m_exponent < 0 ? -m_exponent : 0; }
    // The power of ten of the first significant digit: 2 for 123, -3 for 0.00123; none for zero
    // and not a number.
    std::optional<int> leadingDigitExponent() const;

    Decimal add(const Decimal& other, RoundingBehavior behavior = {}) const;
    Decimal subtract(const Decimal& other, RoundingBehavior behavior = {}) const;
    Decimal multiply(const Decimal& other, RoundingBehavior behavior = {}) const;
    Decimal divide(const Decimal& other, RoundingBehavior behavior = {}) const;
    Decimal multiplyByPowerOf10(int power, RoundingBehavior behavior = {}) const;
    Decimal round(RoundingBehavior behavior) const;

    // Plain notation with "." and no grouping, no trailing zeros; "NaN" for not a number.
    QString toString() const;
    // The same with another decimal separator and minus sign (a locale's, which may be longer than
    // one character).
    QString toString(const QString& decimalSeparator, const QString& minusSign) const;
    double toDouble() const;
    // Integral and within 64 bits.
    std::optional<std::int64_t> toInteger() const;

    // Not-a-number compares unordered and unequal to everything, itself included.
    std::partial_ordering operator<=>(const Decimal& other) const;
    bool operator==(const Decimal& other) const {
        return (*this <=> other) == std::partial_ordering::equivalent;
    }

private:
    bool m_nan = false;
    bool m_negative = false;
    DecimalMantissa m_mantissa = 0;
    int m_exponent = 0;
};

Q_DECLARE_METATYPE(Decimal)
