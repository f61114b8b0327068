#include "SnapshotStore.h"

#include "UpstreamLog.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;
constexpr int kFormat = 1;

} // namespace

SnapshotStore::SnapshotStore(QString directory) : m_directory(std::move(directory)) {}

QString SnapshotStore::defaultDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/ratepad-rate-server");
}

QString SnapshotStore::path(const QString& source) const {
    return m_directory + u'/' + source.toLower() + QStringLiteral(".json");
}

QByteArray SnapshotStore::serialize(const RateSnapshot& snapshot) {
    QJsonObject rates;
    for (auto it = snapshot.perBase.cbegin(); it != snapshot.perBase.cend(); ++it)
        rates.insert(it.key(), *it); // shortest round-trip form, whatever the locale
    const QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("source"), snapshot.source},
        {QStringLiteral("date"), snapshot.date.toString(Qt::ISODate)},
        {QStringLiteral("base"), snapshot.base},
        {QStringLiteral("etag"), QString::fromLatin1(snapshot.etag)},
        {QStringLiteral("lastModified"), QString::fromLatin1(snapshot.lastModified)},
        {QStringLiteral("rates"), rates},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<RateSnapshot> SnapshotStore::deserialize(const QByteArray& data, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(data, &parseError).object();
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    if (root.value(u"format").toInt() != kFormat)
        return fail(QStringLiteral("unknown format"));
    RateSnapshot snapshot;
    snapshot.source = root.value(u"source").toString();
    snapshot.date = QDate::fromString(root.value(u"date").toString(), Qt::ISODate);
    snapshot.base = root.value(u"base").toString();
    snapshot.etag = root.value(u"etag").toString().toLatin1();
    snapshot.lastModified = root.value(u"lastModified").toString().toLatin1();
    const QJsonObject rates = root.value(u"rates").toObject();
    for (auto it = rates.begin(); it != rates.end(); ++it) {
        if (!it.value().isDouble())
            return fail(QStringLiteral("%1 is not a number").arg(it.key()));
        snapshot.perBase.insert(it.key(), it.value().toDouble());
    }
    if (snapshot.source.isEmpty() || !snapshot.date.isValid() || snapshot.base.isEmpty() || rates.isEmpty())
        return fail(QStringLiteral("source, date, base or rates missing"));
    return snapshot;
}

bool SnapshotStore::save(const RateSnapshot& snapshot, QString* error) const {
    if (!QDir().mkpath(m_directory)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(m_directory);
        return false;
    }
    QSaveFile file(path(snapshot.source));
    if (!file.open(QIODevice::WriteOnly) || file.write(serialize(snapshot)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<RateSnapshot> SnapshotStore::load(const QString& source) const {
    QFile file(path(source));
    if (!file.exists())
        return std::nullopt;
    QString reason;
    std::optional<RateSnapshot> snapshot;
    if (file.size() > kMaxFileSize)
        reason = QStringLiteral("larger than %1 bytes").arg(kMaxFileSize);
    else if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else if ((snapshot = deserialize(file.readAll(), &reason)) && snapshot->source != source)
        reason = QStringLiteral("holds %1").arg(snapshot->source);
    if (reason.isEmpty())
        return snapshot;
    file.close();
    setAside(source, reason);
    return std::nullopt;
}

void SnapshotStore::setAside(const QString& source, const QString& reason) const {
    const QString aside = path(source) + QStringLiteral(".corrupt");
    QFile::remove(aside);
    const bool moved = QFile::rename(path(source), aside);
    qCWarning(lcUpstream).noquote() << "cache file" << path(source) << "is unusable (" + reason + "):"
                                    << (moved ? "set aside as " + aside
                                              : QStringLiteral("left in place, ignored"));
}
