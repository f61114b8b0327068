#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

// The application's shipped, read-only files: resources, the information dictionary (Info.plist)
// and translated texts. The main bundle is the program's compiled-in resources; tests may point a
// bundle at a folder of their own.
class Bundle final {
public:
    explicit Bundle(QString root = QStringLiteral(":"));

    static const Bundle& mainBundle();

    QString root() const { return m_root; }
    // The path of "<directory>/<name>.<type>" if that file exists, otherwise empty.
    QString pathForResource(const QString& name, const QString& type, const QString& directory = {}) const;
    // A property-list resource whose root is a dictionary; empty when missing or unreadable.
    QVariantMap dictionaryForResource(const QString& name,
                                      const QString& type = QStringLiteral("plist")) const;

    QVariantMap infoDictionary() const;
    QVariant objectForInfoDictionaryKey(const QString& key) const;

    // The translation of `key` (an English text) from `table`, the default table when empty. A missing
    // entry gives `value`, or the key itself when `value` is empty.
    QString localizedString(const QString& key, const QString& value = {}, const QString& table = {}) const;

private:
    QString m_root;
    mutable std::optional<QVariantMap> m_info;
};

// The main bundle's translation of a fixed English text of the program, from the default table. Write
// the text as QT_TRANSLATE_NOOP("Localizable", "...") so that lupdate collects it.
QString localized(const char* englishText);

// An English text that stands for more than one thing, with a note that tells them apart, as
// QT_TRANSLATE_NOOP3("Localizable", "...", "note") writes it: each gets its own translation.
struct DisambiguatedText {
    const char* source;
    const char* comment;
};
QString localized(DisambiguatedText text);
