#include "CurrencyNames.h"

#include "Currency.h"

#include <algorithm>
#include <optional>
#include <unicode/locid.h>
#include <unicode/ucurr.h>

namespace {

bool isEnglish(const QString& language) {
    return qstrcmp(icu::Locale(language.toUtf8().constData()).getLanguage(), "en") == 0;
}

// CLDR's long name of `code` in `language`, or nothing where it has none of that language's own:
// ICU then answers from root or from the process's default locale (U_USING_DEFAULT_WARNING), or
// with the code itself.
std::optional<QString> cldrName(const QString& code, const QString& language) {
    static const auto isLetter = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (code.size() != 3 || !std::all_of(code.begin(), code.end(), isLetter))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    const UChar* name =
        ucurr_getName(reinterpret_cast<const UChar*>(code.utf16()), language.toUtf8().constData(),
                      UCURR_LONG_NAME, nullptr, &length, &status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || !name || length <= 0)
        return std::nullopt;
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(name), length);
    if (text == code)
        return std::nullopt;
    return text;
}

} // namespace

CurrencyNames::CurrencyNames(QMap<QString, QString> englishNames, QStringList languages)
    : m_englishNames(std::move(englishNames)), m_languages(std::move(languages)) {}

QString CurrencyNames::localName(const QString& code) const {
    const QString english = m_englishNames.value(code);
    if (english.isEmpty())
        return {};
    if (const auto known = m_localNames.constFind(code); known != m_localNames.constEnd())
        return *known;
    QString name = english;
    for (const QString& language : m_languages) {
        if (isEnglish(language))
            break; // the shipped names are the English ones
        if (const auto cldr = cldrName(code, language)) {
            name = *cldr;
            break;
        }
    }
    m_localNames.insert(code, name);
    return name;
}

QString CurrencyNames::displayName(const QString& code, const QString& storedName) const {
    if (storedName.isEmpty() || storedName != m_englishNames.value(code))
        return storedName;
    return localName(code);
}

QString CurrencyNames::displayName(const Currency& currency) const {
    return displayName(currency.currencyCode(), currency.label());
}

QString CurrencyNames::nameToStore(const QString& code, const QString& storedName,
                                   const QString& edited) const {
    return edited == displayName(code, storedName) ? storedName : edited;
}
