#include "SourceUrls.h"

std::optional<QHash<QString, QList<QUrl>>> SourceUrls::parse(const QStringList& values,
                                                             const QStringList& knownNames, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QHash<QString, QList<QUrl>> urls;
    for (const QString& value : values) {
        const qsizetype equals = value.indexOf(u'=');
        if (equals <= 0)
            return fail(QStringLiteral("'%1' is not NAME=URL").arg(value));
        const QString name = value.left(equals).trimmed().toUpper();
        if (!knownNames.contains(name)) {
            return fail(QStringLiteral("unknown source '%1' in '%2'; known: %3")
                            .arg(value.left(equals), value, knownNames.join(QStringLiteral(", "))));
        }
        const QUrl url(value.mid(equals + 1).trimmed(), QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"https" && url.scheme() != u"http"))
            return fail(QStringLiteral("'%1' is not an http or https URL").arg(value.mid(equals + 1)));
        if (urls[name].contains(url))
            return fail(QStringLiteral("%1 is given twice for %2").arg(url.toString(), name));
        urls[name].append(url);
    }
    return urls;
}
