#include "Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

using u128 = DecimalMantissa;
using u64 = std::uint64_t;

// Wide enough for the exact product of two 38-digit mantissas and for a 38-digit quotient with
// the divisor's digits in front of it (at most 77 digits, below 2^256).
struct U256 {
    u128 hi = 0;
    u128 lo = 0;
};

constexpr int kWorkDigits = 76;

U256 fromU128(u128 v) {
    return {0, v};
}

bool isZero(const U256& a) {
    return a.hi == 0 && a.lo == 0;
}

int compare(const U256& a, const U256& b) {
    if (a.hi != b.hi)
        return a.hi < b.hi ? -1 : 1;
    if (a.lo != b.lo)
        return a.lo < b.lo ? -1 : 1;
    return 0;
}

U256 wideAdd(const U256& a, const U256& b) {
    U256 r;
    r.lo = a.lo + b.lo;
    r.hi = a.hi + b.hi + (r.lo < a.lo ? 1 : 0);
    return r;
}

// a >= b
U256 wideSubtract(const U256& a, const U256& b) {
    U256 r;
    r.lo = a.lo - b.lo;
    r.hi = a.hi - b.hi - (a.lo < b.lo ? 1 : 0);
    return r;
}

U256 shiftLeft(const U256& a, int bits) {
    if (bits == 0)
        return a;
    return {(a.hi << bits) | (a.lo >> (128 - bits)), a.lo << bits};
}

U256 wideMultiply(u128 a, u128 b) {
    const u64 a0 = static_cast<u64>(a), a1 = static_cast<u64>(a >> 64);
    const u64 b0 = static_cast<u64>(b), b1 = static_cast<u64>(b >> 64);
    const u128 p00 = static_cast<u128>(a0) * b0;
    const u128 p01 = static_cast<u128>(a0) * b1;
    const u128 p10 = static_cast<u128>(a1) * b0;
    const u128 p11 = static_cast<u128>(a1) * b1;
    const u128 mid = (p00 >> 64) + static_cast<u64>(p01) + static_cast<u64>(p10);
    return {p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64), (mid << 64) | static_cast<u64>(p00)};
}

// Only for values that stay below 2^256.
U256 timesTen(const U256& a) {
    return wideAdd(shiftLeft(a, 3), shiftLeft(a, 1));
}

// 10^0 to 10^76; 10^77 would no longer fit.
const std::array<U256, kWorkDigits + 1>& powersOfTen() {
    static const auto table = [] {
        std::array<U256, kWorkDigits + 1> t{};
        t[0] = fromU128(1);
        for (std::size_t i = 1; i < t.size(); ++i)
            t[i] = timesTen(t[i - 1]);
        return t;
    }();
    return table;
}

u128 pow10u128(int n) {
    return powersOfTen()[static_cast<std::size_t>(n)].lo;
} // n <= 38

int digitCount(const U256& a) {
    const auto& p = powersOfTen();
    int n = 0;
    while (n < static_cast<int>(p.size()) && compare(a, p[static_cast<std::size_t>(n)]) >= 0)
        ++n;
    return n;
}

U256 scaleUp(U256 a, int digits) {
    for (int i = 0; i < digits; ++i)
        a = timesTen(a);
    return a;
}

// Binary long division; the divisor stays below 2^254 so the shifted remainder never overflows.
void wideDivide(const U256& n, const U256& d, U256& quotient, U256& remainder) {
    if (n.hi == 0 && d.hi == 0) {
        quotient = fromU128(n.lo / d.lo);
        remainder = fromU128(n.lo % d.lo);
        return;
    }
    U256 q, r;
    for (int i = 255; i >= 0; --i) {
        const u128 bit = i >= 128 ? (n.hi >> (i - 128)) & 1 : (n.lo >> i) & 1;
        r = shiftLeft(r, 1);
        r.lo |= bit;
        if (compare(r, d) >= 0) {
            r = wideSubtract(r, d);
            if (i >= 128)
                q.hi |= static_cast<u128>(1) << (i - 128);
            else
                q.lo |= static_cast<u128>(1) << i;
        }
    }
    quotient = q;
    remainder = r;
}

// What was cut off below the last kept digit, measured against half a unit of that digit.
enum class Residue { Zero, Below, Half, Above };

Residue residueOf(const U256& remainder, const U256& unit, Residue lower) {
    const U256 twice = shiftLeft(remainder, 1);
    const int c = compare(twice, unit);
    if (c < 0)
        return (isZero(remainder) && lower == Residue::Zero) ? Residue::Zero : Residue::Below;
    if (c == 0)
        return lower == Residue::Zero ? Residue::Half : Residue::Above;
    return Residue::Above;
}

} // namespace

// Every result passes through here: rounding to 38 digits and to the behaviour's scale, then
// trailing zeros are dropped and the exponent range is enforced.
static Decimal finish(bool negative, U256 value, int exponent, Residue residue, RoundingBehavior behavior) {
    const int digits = digitCount(value);
    int drop = std::max(0, digits - Decimal::kMaxDigits);
    if (behavior.scale)
        drop = std::max(drop, -*behavior.scale - exponent);
    if (exponent + drop < Decimal::kMinExponent)
        drop = Decimal::kMinExponent - exponent;
    if (drop > 0) {
        if (drop > kWorkDigits) {
            residue = (isZero(value) && residue == Residue::Zero) ? Residue::Zero : Residue::Below;
            value = {};
        } else {
            const U256& unit = powersOfTen()[static_cast<std::size_t>(drop)];
            U256 q, r;
            wideDivide(value, unit, q, r);
            residue = residueOf(r, unit, residue);
            value = q;
        }
        exponent += drop;
    }

    bool up = false;
    const bool odd = (value.lo & 1) != 0;
    switch (behavior.mode) {
    case RoundingMode::Plain:
        up = residue == Residue::Half || residue == Residue::Above;
        break;
    case RoundingMode::Bankers:
        up = residue == Residue::Above || (residue == Residue::Half && odd);
        break;
    case RoundingMode::Up:
        up = residue != Residue::Zero && !negative;
        break;
    case RoundingMode::Down:
        up = residue != Residue::Zero && negative;
        break;
    }
    if (up) {
        value = wideAdd(value, fromU128(1));
        if (digitCount(value) > Decimal::kMaxDigits) {
            U256 q, r;
            wideDivide(value, fromU128(10), q, r);
            value = q;
            ++exponent;
        }
    }

    if (isZero(value))
        return Decimal::fromParts(false, 0, 0);
    u128 mantissa = value.lo;
    while (mantissa % 10 == 0 && exponent < Decimal::kMaxExponent) {
        mantissa /= 10;
        ++exponent;
    }
    while (exponent > Decimal::kMaxExponent && mantissa < pow10u128(Decimal::kMaxDigits - 1)) {
        mantissa *= 10;
        --exponent;
    }
    if (exponent > Decimal::kMaxExponent)
        return Decimal::notANumber();
    return Decimal::fromParts(negative, mantissa, exponent);
}

Decimal::Decimal(int value) : Decimal(fromInteger(value)) {}

Decimal Decimal::fromInteger(std::int64_t value) {
    const bool negative = value < 0;
    const u128 magnitude = negative ? static_cast<u128>(-(value + 1)) + 1 : static_cast<u128>(value);
    return finish(negative, fromU128(magnitude), 0, Residue::Zero, {});
}

Decimal Decimal::notANumber() {
    Decimal d;
    d.m_nan = true;
    return d;
}

Decimal Decimal::fromParts(bool negative, DecimalMantissa mantissa, int exponent) {
    // Already normalised parts are taken as they are; finish() relies on that to build its result.
    if (mantissa < pow10u128(kMaxDigits) && exponent >= kMinExponent && exponent <= kMaxExponent &&
        (mantissa == 0 || mantissa % 10 != 0 || exponent == kMaxExponent)) {
        Decimal d;
        d.m_negative = negative && mantissa != 0;
        d.m_mantissa = mantissa;
        d.m_exponent = mantissa == 0 ? 0 : exponent;
        return d;
    }
    return finish(negative, fromU128(mantissa), exponent, Residue::Zero, {});
}

Decimal Decimal::fromString(const QString& text, QChar decimalSeparator) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    U256 value;
    int digits = 0;
    int exponent = 0;
    bool seenDigit = false, seenPoint = false, sticky = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == decimalSeparator && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        seenDigit = true;
        const int d = c.unicode() - u'0';
        if (digits == 0 && d == 0) {
            if (seenPoint)
                --exponent;
            continue;
        }
        if (digits < kWorkDigits) {
            value = wideAdd(timesTen(value), fromU128(static_cast<u128>(d)));
            ++digits;
            if (seenPoint)
                --exponent;
        } else {
            // Digits beyond what can matter for rounding only tell whether anything was cut off.
            sticky = sticky || d != 0;
            if (!seenPoint)
                ++exponent;
        }
    }
    if (!seenDigit)
        return notANumber();
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'-' || text[i] == u'+')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        if (i >= n)
            return notANumber();
        long long e = 0;
        for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i)
            e = std::min(e * 10 + (text[i].unicode() - u'0'), 1000000LL);
        exponent += static_cast<int>(negativeExponent ? -e : e);
    }
    if (i != n)
        return notANumber();
    return finish(negative, value, exponent, sticky ? Residue::Below : Residue::Zero, {});
}

Decimal Decimal::fromDouble(double value) {
    if (!std::isfinite(value))
        return notANumber();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return fromString(QString::fromLatin1(buffer, result.ptr - buffer));
}

Decimal Decimal::add(const Decimal& other, RoundingBehavior behavior) const {
    if (m_nan || other.m_nan)
        return notANumber();
    const Decimal* a = this;
    const Decimal* b = &other;
    if (a->isZero())
        return b->round(behavior);
    if (b->isZero())
        return a->round(behavior);
    if (a->m_exponent < b->m_exponent)
        std::swap(a, b);

    // Bring the larger-exponent operand down towards the other one as far as the work width allows;
    // whatever of the smaller one is still below that is far beneath the 38 kept digits and only
    // counts as a sticky remainder.
    const int diff = a->m_exponent - b->m_exponent;
    U256 av = fromU128(a->m_mantissa);
    const int shift = std::min(diff, kWorkDigits - digitCount(av));
    av = scaleUp(av, shift);
    const int exponent = a->m_exponent - shift;
    const int rest = diff - shift;
    U256 bv = fromU128(b->m_mantissa);
    bool sticky = false;
    if (rest > 0) {
        if (rest > Decimal::kMaxDigits) {
            sticky = true;
            bv = {};
        } else {
            const u128 unit = pow10u128(rest);
            sticky = b->m_mantissa % unit != 0;
            bv = fromU128(b->m_mantissa / unit);
        }
    }

    if (a->m_negative == b->m_negative)
        return finish(a->m_negative, wideAdd(av, bv), exponent, sticky ? Residue::Below : Residue::Zero,
                      behavior);
    if (sticky) // av is far larger than bv here: subtract one more unit and keep the fraction as residue
        return finish(a->m_negative, wideSubtract(wideSubtract(av, bv), fromU128(1)), exponent,
                      Residue::Below, behavior);
    const int c = compare(av, bv);
    if (c == 0)
        return finish(false, {}, 0, Residue::Zero, behavior);
    if (c > 0)
        return finish(a->m_negative, wideSubtract(av, bv), exponent, Residue::Zero, behavior);
    return finish(b->m_negative, wideSubtract(bv, av), exponent, Residue::Zero, behavior);
}

Decimal Decimal::subtract(const Decimal& other, RoundingBehavior behavior) const {
    Decimal negated = other;
    negated.m_negative = !other.m_negative && other.m_mantissa != 0;
    return add(negated, behavior);
}

Decimal Decimal::multiply(const Decimal& other, RoundingBehavior behavior) const {
    if (m_nan || other.m_nan)
        return notANumber();
    return finish(m_negative != other.m_negative, wideMultiply(m_mantissa, other.m_mantissa),
                  m_exponent + other.m_exponent, Residue::Zero, behavior);
}

Decimal Decimal::divide(const Decimal& other, RoundingBehavior behavior) const {
    if (m_nan || other.m_nan || other.isZero())
        return notANumber();
    if (isZero())
        return round(behavior);
    // Scale the dividend so that the quotient has at least 38 digits; the remainder then decides rounding.
    const U256 divisor = fromU128(other.m_mantissa);
    const int shift = kMaxDigits + digitCount(divisor) - digitCount(fromU128(m_mantissa));
    const U256 dividend = scaleUp(fromU128(m_mantissa), shift);
    U256 q, r;
    wideDivide(dividend, divisor, q, r);
    return finish(m_negative != other.m_negative, q, m_exponent - other.m_exponent - shift,
                  residueOf(r, divisor, Residue::Zero), behavior);
}

Decimal Decimal::multiplyByPowerOf10(int power, RoundingBehavior behavior) const {
    if (m_nan)
        return notANumber();
    const long long exponent = static_cast<long long>(m_exponent) + power;
    if (exponent > 10000 || exponent < -10000)
        return isZero() ? Decimal() : (exponent > 0 ? notANumber() : Decimal().round(behavior));
    return finish(m_negative, fromU128(m_mantissa), static_cast<int>(exponent), Residue::Zero, behavior);
}

Decimal Decimal::round(RoundingBehavior behavior) const {
    if (m_nan)
        return notANumber();
    return finish(m_negative, fromU128(m_mantissa), m_exponent, Residue::Zero, behavior);
}

QString Decimal::toString() const {
    if (m_nan)
        return QStringLiteral("NaN");
    QString digits;
    u128 m = m_mantissa;
    do {
        digits.prepend(QChar(u'0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m != 0);
    if (m_exponent >= 0) {
        if (m_mantissa != 0)
            digits.append(QString(m_exponent, u'0'));
    } else {
        const int fraction = -m_exponent;
        if (digits.size() <= fraction)
            digits.prepend(QString(fraction - digits.size() + 1, u'0'));
        digits.insert(digits.size() - fraction, u'.');
    }
    if (isNegative())
        digits.prepend(u'-');
    return digits;
}

QString Decimal::toString(const QString& decimalSeparator, const QString& minusSign) const {
    QString text = toString();
    if (m_nan)
        return text;
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text.replace(point, 1, decimalSeparator);
    if (isNegative())
        text.replace(0, 1, minusSign);
    return text;
}

double Decimal::toDouble() const {
    if (m_nan)
        return std::numeric_limits<double>::quiet_NaN();
    const QByteArray text = toString().toLatin1();
    double value = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}

std::optional<int> Decimal::leadingDigitExponent() const {
    if (m_nan || m_mantissa == 0)
        return std::nullopt;
    return digitCount(fromU128(m_mantissa)) - 1 + m_exponent;
}

std::optional<std::int64_t> Decimal::toInteger() const {
    if (m_nan || m_exponent < 0)
        return std::nullopt;
    if (m_exponent > 18)
        return m_mantissa == 0 ? std::optional<std::int64_t>(0) : std::nullopt;
    const U256 wide = wideMultiply(m_mantissa, pow10u128(m_exponent));
    const u128 limit = static_cast<u128>(std::numeric_limits<std::int64_t>::max()) + (m_negative ? 1 : 0);
    if (wide.hi != 0 || wide.lo > limit)
        return std::nullopt;
    if (m_negative)
        return static_cast<std::int64_t>(-static_cast<std::int64_t>(wide.lo - 1) - 1);
    return static_cast<std::int64_t>(wide.lo);
}

std::partial_ordering Decimal::operator<=>(const Decimal& other) const {
    if (m_nan || other.m_nan)
        return std::partial_ordering::unordered;
    const bool na = isNegative(), nb = other.isNegative();
    if (na != nb)
        return na ? std::partial_ordering::less : std::partial_ordering::greater;
    if (isZero() || other.isZero()) {
        if (isZero() && other.isZero())
            return std::partial_ordering::equivalent;
        const bool thisSmaller = isZero() != na; // zero vs a positive, or a negative vs zero
        return thisSmaller ? std::partial_ordering::less : std::partial_ordering::greater;
    }
    // Compare magnitudes by their leading digit's position first, then digit by digit.
    const int da = digitCount(fromU128(m_mantissa)), db = digitCount(fromU128(other.m_mantissa));
    const int ea = m_exponent + da, eb = other.m_exponent + db;
    int magnitude = 0;
    if (ea != eb) {
        magnitude = ea < eb ? -1 : 1;
    } else {
        const U256 a = scaleUp(fromU128(m_mantissa), std::max(0, db - da));
        const U256 b = scaleUp(fromU128(other.m_mantissa), std::max(0, da - db));
        magnitude = compare(a, b);
    }
    if (na)
        magnitude = -magnitude;
    return magnitude < 0
               ? std::partial_ordering::less
               : (magnitude > 0 ? std::partial_ordering::greater : std::partial_ordering::equivalent);
}
