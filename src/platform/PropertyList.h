#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Property lists (XML and binary) read and written through libplist, as QVariant values:
//   dict <-> QVariantMap, array <-> QVariantList, string <-> QString, integer <-> qint64,
//   real <-> double, true/false <-> bool, date <-> QDateTime (UTC), data <-> QByteArray.
// Hostile input is refused with an error text, never a crash: truncated or random bytes, and
// nesting deeper than kMaxDepth, which is checked before libplist parses anything.
class PropertyList final {
public:
    enum class Format { Xml, Binary };
    static constexpr int kMaxDepth = 64;

    struct ReadResult {
        QVariant value;
        QString error; // empty on success
        bool ok() const { return error.isEmpty(); }
    };

    static ReadResult read(const QByteArray& bytes);
    static ReadResult readFile(const QString& path);

    // Returns an empty array and sets *error when the value holds something a property list cannot.
    static QByteArray write(const QVariant& value, Format format = Format::Xml, QString* error = nullptr);
    // Atomic: the file is replaced whole or not at all (QSaveFile). Creates missing parent folders.
    static bool writeFile(const QString& path, const QVariant& value, QString* error = nullptr,
                          Format format = Format::Xml);
};
