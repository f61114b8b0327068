#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

class Currency;

// Currency names in the language of the texts. CLDR (through ICU) names most currencies in most
// languages; where it names a code in none of the user's languages, the shipped English name stands.
// Only what is shown is translated, never what is stored: a record shows the local name while its
// stored name is the catalogue's English one, so a list saved under one language reads right under
// any other, and a name the user typed shows as typed.
class CurrencyNames final {
public:
    // `englishNames`: the shipped catalogue, code -> English name. `languages`: ICU locale names, most
    // wanted first (LocaleCategories::textLanguages()).
    CurrencyNames(QMap<QString, QString> englishNames, QStringList languages);

    QStringList languages() const { return m_languages; }
    // The catalogue's English name; empty for a code the catalogue lacks.
    QString englishName(const QString& code) const { return m_englishNames.value(code); }
    // The name of a catalogue currency in the first of the languages that CLDR names it in, else its
    // English name; empty for a code the catalogue lacks.
    QString localName(const QString& code) const;

    // What a record with this stored name shows.
    QString displayName(const QString& code, const QString& storedName) const;
    QString displayName(const Currency& currency) const;
    // What to store when a field that showed displayName(code, storedName) holds `edited`: the stored
    // name while the field still shows what it was given, so that showing a local name never writes it.
    QString nameToStore(const QString& code, const QString& storedName, const QString& edited) const;

private:
    QMap<QString, QString> m_englishNames;
    QStringList m_languages;
    mutable QHash<QString, QString> m_localNames; // looked up on first use
};
