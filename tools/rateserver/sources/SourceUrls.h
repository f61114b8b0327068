#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// The values of `--source NAME=URL`, each option once per value: URLs by source name, in the order
// given (the first is asked first, the others are its fallbacks). Sources not named keep their
// default addresses.
class SourceUrls final {
public:
    static std::optional<QHash<QString, QList<QUrl>>>
    parse(const QStringList& values, const QStringList& knownNames, QString* error = nullptr);
};
