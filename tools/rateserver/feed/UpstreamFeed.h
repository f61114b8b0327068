#pragma once

#include "CheckedCache.h"
#include "Downloader.h"
#include "RateSnapshot.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QNetworkAccessManager;
class QTimer;
class RateSource;
class RefreshSchedule;

// The upstream side of the rate server: owns the sources, their downloaders, the checked cache and the
// schedule, and reports every snapshot the server may answer from.
class UpstreamFeed final : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString cacheDirectory;           // empty: $XDG_CACHE_HOME/ratepad-rate-server
        QHash<QString, QList<QUrl>> urls; // by source name; a source not named keeps its defaults
        QString caFile;                   // a CA trusted besides the system's (PEM)
        std::function<QDateTime()> clock; // empty: the system clock
    };
    enum class Outcome { Accepted, Unchanged, Rejected, Failed };
    Q_ENUM(Outcome)

    explicit UpstreamFeed(Options options, QObject* parent = nullptr);
    ~UpstreamFeed() override;
    Q_DISABLE_COPY_MOVE(UpstreamFeed)

    static QStringList sourceNames(); // "ECB", "CURRENCYAPI"

    // Loads the cache (one snapshotChanged each), then asks every source whose latest publication is
    // not cached yet; once. False, with a reason,
    // when the CA file cannot be read.
    bool start(QString* error = nullptr);
    // Asks one source now; false while it is already being asked or when the name is unknown.
    bool refresh(const QString& source);

    QList<RateSnapshot> snapshots() const { return m_cache.snapshots(); }
    std::optional<RateSnapshot> snapshot(const QString& source) const;
    // When the source is next expected to publish (UTC); invalid for an unknown source.
    QDateTime nextPublication(const QString& source) const;
    QDateTime nextAttempt(const QString& source) const;
    // When the source published its data of `date` (UTC); invalid for an unknown source.
    QDateTime publishedAt(const QString& source, QDate date) const;
    const QString& cacheDirectory() const { return m_cache.store().directory(); }

signals:
    void snapshotChanged(const RateSnapshot& snapshot);
    // Each download's end: Unchanged covers 304 and a file that holds what the cache holds.
    void downloadFinished(const QString& source, UpstreamFeed::Outcome outcome, const QString& detail);

private:
    struct Feed;

    QDateTime now() const;
    Feed* find(const QString& source) const;
    void take(Feed& feed, const Downloader::Result& result);
    void conclude(Feed& feed, const Downloader::Result& result, Outcome outcome, const QString& detail,
                  bool current);
    bool fetch(Feed& feed, const QList<QUrl>& urls);
    void finish(Feed& feed, Outcome outcome, const QString& detail, bool current);
    void arm(Feed& feed, const QDateTime& due);
    void fire(Feed& feed);

    Options m_options;
    CheckedCache m_cache;
    QNetworkAccessManager* m_network;
    std::vector<std::unique_ptr<Feed>> m_feeds;
    bool m_started = false;
};
