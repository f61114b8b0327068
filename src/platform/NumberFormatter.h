#pragma once

#include "Decimal.h"

#include <QString>
#include <memory>
#include <optional>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class DecimalFormat;
U_NAMESPACE_END

// A number formatter over ICU's DecimalFormat: a pattern such as "###0.00000#####", the locale's
// symbols (or ones set here), and strict parsing in which the whole text must be one number.
// Decimals are formatted and parsed exactly, without passing through a double.
class NumberFormatter final {
public:
    // `locale` is an ICU locale name such as "de_DE"; empty means the locale for figures
    // (LocaleCategories::numbers()).
    explicit NumberFormatter(const QString& pattern, const QString& locale = {});
    ~NumberFormatter();
    Q_DISABLE_COPY_MOVE(NumberFormatter)

    QString pattern() const { return m_pattern; }
    void setDecimalSeparator(const QString& separator);
    void setGroupingSeparator(const QString& separator);
    void setGroupingUsed(bool used);
    // Lenient parsing accepts forms that do not fit the pattern (it is off unless turned on).
    void setLenient(bool lenient);
    void setRoundingMode(RoundingMode mode); // half-even unless set

    QString decimalSeparator() const;
    QString stringFromDecimal(const Decimal& value) const;
    QString stringFromDouble(double value) const;
    // Not a number when the text is not, as a whole, one number of this formatter's form.
    std::optional<Decimal> decimalFromString(const QString& text) const;

private:
    QString m_pattern;
    std::unique_ptr<icu::DecimalFormat> m_format;
    bool m_lenient = false;
};
