#include "NumberFormatter.h"

#include "LocaleCategories.h"
#include "LogCategories.h"

#include <QtGlobal>
#include <string>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/fmtable.h>
#include <unicode/locid.h>
#include <unicode/parsepos.h>

namespace {

icu::UnicodeString toIcu(const QString& text) {
    return icu::UnicodeString(reinterpret_cast<const char16_t*>(text.constData()),
                              static_cast<int32_t>(text.size()));
}

QString fromIcu(const icu::UnicodeString& text) {
    return QString::fromUtf16(text.getBuffer(), text.length());
}

icu::Locale icuLocale(const QString& name) {
    return icu::Locale((name.isEmpty() ? LocaleCategories::numbers() : name).toUtf8().constData());
}

icu::DecimalFormat::ERoundingMode icuRoundingMode(RoundingMode mode) {
    switch (mode) {
    case RoundingMode::Plain:
        return icu::DecimalFormat::kRoundHalfUp;
    case RoundingMode::Down:
        return icu::DecimalFormat::kRoundFloor;
    case RoundingMode::Up:
        return icu::DecimalFormat::kRoundCeiling;
    case RoundingMode::Bankers:
        break;
    }
    return icu::DecimalFormat::kRoundHalfEven;
}

} // namespace

NumberFormatter::NumberFormatter(const QString& pattern, const QString& locale) : m_pattern(pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto symbols = std::make_unique<icu::DecimalFormatSymbols>(icuLocale(locale), status);
    if (U_FAILURE(status)) {
        qCWarning(lcPlatform, "NumberFormatter: no number symbols for locale \"%s\": %s",
                  qUtf8Printable(locale), u_errorName(status));
        return;
    }
    // The constructor adopts the symbols even when it fails.
    auto format = std::make_unique<icu::DecimalFormat>(toIcu(pattern), symbols.release(), status);
    if (U_FAILURE(status)) {
        qCWarning(lcPlatform, "NumberFormatter: unusable pattern \"%s\": %s", qUtf8Printable(pattern),
                  u_errorName(status));
        return;
    }
    m_format = std::move(format);
    m_format->setLenient(false);
}

NumberFormatter::~NumberFormatter() = default;

void NumberFormatter::setDecimalSeparator(const QString& separator) {
    if (!m_format)
        return;
    icu::DecimalFormatSymbols symbols(*m_format->getDecimalFormatSymbols());
    symbols.setSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol, toIcu(separator));
    symbols.setSymbol(icu::DecimalFormatSymbols::kMonetarySeparatorSymbol, toIcu(separator));
    m_format->setDecimalFormatSymbols(symbols);
}

void NumberFormatter::setGroupingSeparator(const QString& separator) {
    if (!m_format)
        return;
    icu::DecimalFormatSymbols symbols(*m_format->getDecimalFormatSymbols());
    symbols.setSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol, toIcu(separator));
    symbols.setSymbol(icu::DecimalFormatSymbols::kMonetaryGroupingSeparatorSymbol, toIcu(separator));
    m_format->setDecimalFormatSymbols(symbols);
}

void NumberFormatter::setGroupingUsed(bool used) {
    if (m_format)
        m_format->setGroupingUsed(used);
}

void NumberFormatter::setLenient(bool lenient) {
    m_lenient = lenient;
    if (m_format)
        m_format->setLenient(lenient);
}

void NumberFormatter::setRoundingMode(RoundingMode mode) {
    if (m_format)
        m_format->setRoundingMode(icuRoundingMode(mode));
}

QString NumberFormatter::decimalSeparator() const {
    if (!m_format)
        return QStringLiteral(".");
    return fromIcu(m_format->getDecimalFormatSymbols()->getConstSymbol(
        icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
}

QString NumberFormatter::stringFromDecimal(const Decimal& value) const {
    if (!m_format)
        return {};
    // Not a number has no digits to hand over; a double NaN gives the locale's own symbol.
    if (value.isNaN())
        return stringFromDouble(qQNaN());
    UErrorCode status = U_ZERO_ERROR;
    const std::string digits = value.toString().toStdString();
    const icu::Formattable number(icu::StringPiece(digits), status);
    icu::UnicodeString out;
    icu::FieldPosition position;
    m_format->format(number, out, position, status);
    if (U_FAILURE(status))
        return {};
    return fromIcu(out);
}

QString NumberFormatter::stringFromDouble(double value) const {
    if (!m_format)
        return {};
    icu::UnicodeString out;
    m_format->format(value, out);
    return fromIcu(out);
}

std::optional<Decimal> NumberFormatter::decimalFromString(const QString& text) const {
    if (!m_format)
        return std::nullopt;
    icu::Formattable result;
    icu::ParsePosition position(0);
    m_format->parse(toIcu(text), result, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() == 0)
        return std::nullopt;
    // Strict: a number followed by anything else is no number at all.
    if (!m_lenient && position.getIndex() != text.size())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const icu::StringPiece digits = result.getDecimalNumber(status);
    if (U_FAILURE(status))
        return std::nullopt;
    // ICU hands back "NaN" and "Infinity" for the locale's symbols; neither is a decimal.
    const Decimal value = Decimal::fromString(QString::fromLatin1(digits.data(), digits.length()));
    if (value.isNaN())
        return std::nullopt;
    return value;
}
