#include "LocaleCategories.h"

#include <QtGlobal>
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

namespace {

const QString kPosix = QStringLiteral("en_US_POSIX");

// The value in force for one category: the first of LC_ALL, the category's variable and LANG that
// is set and not empty.
QString categoryValue(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QString withLatinDigits(const QString& icuLocale) {
    return icuLocale + QStringLiteral("@numbers=latn");
}

struct NumberSymbols {
    QString locale;
    QString decimalSeparator;
    QString minusSign;
};

QString symbolText(const icu::DecimalFormatSymbols& symbols,
                   icu::DecimalFormatSymbols::ENumberFormatSymbol symbol) {
    const icu::UnicodeString& text = symbols.getConstSymbol(symbol);
    return QString::fromUtf16(text.getBuffer(), text.length());
}

// The symbols of the locale for figures. ICU builds them afresh on each request, and the converter
// asks on every key press, so the last locale's are kept, per thread so that no lock is needed.
const NumberSymbols& numberSymbols() {
    thread_local NumberSymbols cached;
    const QString locale = LocaleCategories::numbers();
    if (cached.locale == locale)
        return cached;
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(icu::Locale(locale.toUtf8().constData()), status);
    if (U_FAILURE(status))
        cached = {locale, QStringLiteral("."), QStringLiteral("-")};
    else
        cached = {locale, symbolText(symbols, icu::DecimalFormatSymbols::kDecimalSeparatorSymbol),
                  symbolText(symbols, icu::DecimalFormatSymbols::kMinusSignSymbol)};
    return cached;
}

} // namespace

namespace LocaleCategories {

QString icuName(const QString& posixName) {
    QString name = posixName;
    name.truncate(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return kPosix;
    return name;
}

QString numbers() {
    return withLatinDigits(icuName(categoryValue("LC_NUMERIC")));
}

QString dates() {
    return withLatinDigits(icuName(categoryValue("LC_TIME")));
}

QStringList textLanguages() {
    const QString messages = icuName(categoryValue("LC_MESSAGES"));
    QStringList languages;
    if (messages != kPosix) {
        const QStringList wanted = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
        for (const QString& language : wanted) {
            const QString name = icuName(language);
            if (name != kPosix && !languages.contains(name))
                languages.append(name);
        }
    }
    if (!languages.contains(messages))
        languages.append(messages);
    return languages;
}

QString decimalSeparator() {
    return numberSymbols().decimalSeparator;
}

QString minusSign() {
    return numberSymbols().minusSign;
}

} // namespace LocaleCategories
