#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class DateFormat;
U_NAMESPACE_END

// A date formatter over ICU's DateFormat with a date style and a time style, in a locale and time
// zone fixed at creation (by default the locale for dates,
// LocaleCategories::dates(), and the process's time zone).
class DateFormatter final {
public:
    enum class Style { None, Short, Medium, Long, Full };

    DateFormatter(Style dateStyle, Style timeStyle, const QString& locale = {}, const QString& timeZone = {});
    ~DateFormatter();
    Q_DISABLE_COPY_MOVE(DateFormatter)

    QString stringFromDate(const QDateTime& date) const;

private:
    std::unique_ptr<icu::DateFormat> m_format;
};
