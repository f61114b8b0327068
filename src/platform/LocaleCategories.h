#pragma once

#include <QString>
#include <QStringList>

// Which locale each kind of text follows, read from the environment the way C programs read it:
// LC_ALL overrides everything, then the category's own variable, then LANG. Names come back in ICU's
// form ("de_DE"); an unset, "C" or "POSIX" locale is ICU's "en_US_POSIX".
//
// Figures always use Latin digits, also where the locale's own digits are others (ar_EG, fa_IR):
// they are what a desktop keyboard types into the editor and what a copied result pastes as, so
// every figure on every screen is written with the same ten digits.
namespace LocaleCategories {

// Figures and the decimal separator (LC_NUMERIC), with Latin digits: "de_DE@numbers=latn".
QString numbers();
// Dates and times (LC_TIME), with Latin digits.
QString dates();
// The languages for texts, most wanted first (LANGUAGE, a colon-separated list, then LC_MESSAGES);
// gettext's rule holds: LANGUAGE is ignored while the messages locale is "C". Never empty.
QStringList textLanguages();

// The decimal separator and minus sign of numbers().
QString decimalSeparator();
QString minusSign();

// A POSIX locale name ("de_DE.UTF-8@euro") as ICU names it ("de_DE"); "C" and "POSIX" are
// "en_US_POSIX".
QString icuName(const QString& posixName);

} // namespace LocaleCategories
