#include "DateFormatter.h"

#include "LocaleCategories.h"
#include "LogCategories.h"

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace {

icu::DateFormat::EStyle icuStyle(DateFormatter::Style style) {
    switch (style) {
    case DateFormatter::Style::None:
        return icu::DateFormat::kNone;
    case DateFormatter::Style::Short:
        return icu::DateFormat::kShort;
    case DateFormatter::Style::Medium:
        return icu::DateFormat::kMedium;
    case DateFormatter::Style::Long:
        return icu::DateFormat::kLong;
    case DateFormatter::Style::Full:
        break;
    }
    return icu::DateFormat::kFull;
}

} // namespace

DateFormatter::DateFormatter(Style dateStyle, Style timeStyle, const QString& locale,
                             const QString& timeZone) {
    // With neither part ICU falls back to a fixed pattern; showing nothing is what was asked for.
    if (dateStyle == Style::None && timeStyle == Style::None)
        return;
    const icu::Locale icuLocale((locale.isEmpty() ? LocaleCategories::dates() : locale).toUtf8().constData());
    m_format.reset(
        icu::DateFormat::createDateTimeInstance(icuStyle(dateStyle), icuStyle(timeStyle), icuLocale));
    if (!m_format) {
        qCWarning(lcPlatform, "DateFormatter: no date format for locale \"%s\"", qUtf8Printable(locale));
        return;
    }
    // An unknown zone id gives ICU's "Etc/Unknown", which behaves as UTC.
    m_format->adoptTimeZone(timeZone.isEmpty() ? icu::TimeZone::createDefault()
                                               : icu::TimeZone::createTimeZone(icu::UnicodeString(
                                                     reinterpret_cast<const char16_t*>(timeZone.constData()),
                                                     static_cast<int32_t>(timeZone.size()))));
}

DateFormatter::~DateFormatter() = default;

QString DateFormatter::stringFromDate(const QDateTime& date) const {
    if (!m_format || !date.isValid())
        return {};
    icu::UnicodeString out;
    m_format->format(static_cast<UDate>(date.toMSecsSinceEpoch()), out);
    return QString::fromUtf16(out.getBuffer(), out.length());
}
