#include "UpstreamFeed.h"

#include "CurrencyApiSource.h"
#include "Downloader.h"
#include "EcbSource.h"
#include "RefreshSchedule.h"
#include "UpstreamLog.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

namespace {

// Timers are re-armed against the wall clock at least this often, so that a suspend or a clock
// change delays a download by no more than this.
constexpr qint64 kLongestWaitMs = 15 * 60 * 1000;

// Spreads the servers' requests after a publication instead of all at the same second.
std::chrono::seconds randomSpread() {
    return std::chrono::seconds(
        QRandomGenerator::global()->bounded(static_cast<int>(RefreshSchedule::kSpread.count())));
}

std::vector<std::unique_ptr<RateSource>> allSources() {
    std::vector<std::unique_ptr<RateSource>> sources;
    sources.push_back(std::make_unique<EcbSource>());
    sources.push_back(std::make_unique<CurrencyApiSource>());
    return sources;
}

} // namespace

struct UpstreamFeed::Feed {
    std::unique_ptr<RateSource> source;
    QList<QUrl> urls;
    Downloader* downloader = nullptr;
    std::unique_ptr<RefreshSchedule> schedule;
    QTimer* timer = nullptr;
    QDateTime due;
    QElapsedTimer elapsed;
    bool accepted = false; // by any of the URLs asked in this download
};

UpstreamFeed::UpstreamFeed(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)),
      m_cache(m_options.cacheDirectory.isEmpty() ? SnapshotStore::defaultDirectory()
                                                 : m_options.cacheDirectory),
      m_network(new QNetworkAccessManager(this)) {
    for (auto& source : allSources()) {
        auto feed = std::make_unique<Feed>();
        feed->urls = m_options.urls.value(source->name(), source->defaultUrls());
        feed->schedule = std::make_unique<RefreshSchedule>(source->publication());
        feed->timer = new QTimer(this);
        feed->timer->setSingleShot(true);
        feed->timer->setTimerType(Qt::PreciseTimer);
        Feed* raw = feed.get();
        connect(feed->timer, &QTimer::timeout, this, [this, raw] { fire(*raw); });
        m_cache.addSource(source->name(), {source->base(), source->minimumCurrencies()});
        feed->source = std::move(source);
        m_feeds.push_back(std::move(feed));
    }
}

UpstreamFeed::~UpstreamFeed() {
    // The downloaders report to the feeds: they go first, with anything they still have in flight.
    for (const auto& feed : m_feeds)
        delete feed->downloader;
}

QStringList UpstreamFeed::sourceNames() {
    QStringList names;
    for (const auto& source : allSources())
        names << source->name();
    return names;
}

QDateTime UpstreamFeed::now() const {
    return m_options.clock ? m_options.clock().toUTC() : QDateTime::currentDateTimeUtc();
}

UpstreamFeed::Feed* UpstreamFeed::find(const QString& source) const {
    for (const auto& feed : m_feeds) {
        if (feed->source->name() == source)
            return feed.get();
    }
    return nullptr;
}

bool UpstreamFeed::start(QString* error) {
    if (m_started)
        return true;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    if (!m_options.caFile.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(m_options.caFile, QSsl::Pem);
        if (extra.isEmpty()) {
            if (error)
                *error = QStringLiteral("no PEM certificate in %1").arg(m_options.caFile);
            return false;
        }
        // Once a CA is set, Qt need not load the system store on demand any more: name both.
        tls.setCaCertificates(QSslConfiguration::systemCaCertificates() + extra);
    }
    m_started = true;
    for (const auto& feed : m_feeds) {
        feed->downloader = new Downloader(m_network, tls, this);
        Feed* raw = feed.get();
        connect(feed->downloader, &Downloader::finished, this,
                [this, raw](const Downloader::Result& result) { take(*raw, result); });
    }
    for (const RateSnapshot& snapshot : m_cache.load()) {
        qCInfo(lcUpstream).noquote() << snapshot.source << "rates of" << snapshot.date.toString(Qt::ISODate)
                                     << "loaded from" << m_cache.store().path(snapshot.source);
        emit snapshotChanged(snapshot);
    }
    // A source whose latest publication is already cached is not asked again until its next one: the
    // server may be started often (socket activation) and should not ask each time.
    const QDateTime at = now();
    for (const auto& feed : m_feeds) {
        const RateSnapshot* cached = m_cache.snapshot(feed->source->name());
        if (cached && feed->schedule->isCurrent(cached->date, at))
            arm(*feed, feed->schedule->afterSuccess(at, randomSpread()));
        else
            refresh(feed->source->name());
    }
    return true;
}

void UpstreamFeed::take(Feed& feed, const Downloader::Result& result) {
    const QString name = feed.source->name();
    const QString took = QStringLiteral("%1 ms").arg(feed.elapsed.elapsed());
    if (result.status == Downloader::Result::Status::Failed) {
        qCWarning(lcUpstream).noquote() << name << "download failed after" << took + ':' << result.error;
        conclude(feed, result, Outcome::Failed, result.error, false);
        return;
    }
    if (result.status == Downloader::Result::Status::NotModified) {
        qCInfo(lcUpstream).noquote() << name << "not modified at" << result.url.toString() << took;
        const RateSnapshot* cached = m_cache.snapshot(name);
        const bool current = cached && feed.schedule->isCurrent(cached->date, now());
        conclude(feed, result, Outcome::Unchanged, QStringLiteral("not modified"), current);
        return;
    }
    QString reason;
    std::optional<RateSnapshot> parsed = feed.source->parse(result.body, &reason);
    if (!parsed) {
        qCWarning(lcUpstream).noquote() << name << "download rejected, cache kept:" << result.url.toString()
                                        << "does not parse:" << reason;
        conclude(feed, result, Outcome::Rejected, reason, false);
        return;
    }
    parsed->etag = result.etag;
    parsed->lastModified = result.lastModified;
    const CheckedCache::Outcome outcome = m_cache.offer(*parsed, now(), &reason);
    if (outcome == CheckedCache::Outcome::Rejected) {
        conclude(feed, result, Outcome::Rejected, reason, false);
        return;
    }
    qCInfo(lcUpstream).noquote() << name << "downloaded" << result.body.size() << "bytes from"
                                 << result.url.toString() << "in" << took;
    const bool current = feed.schedule->isCurrent(parsed->date, now());
    if (outcome == CheckedCache::Outcome::Accepted) {
        emit snapshotChanged(*m_cache.snapshot(name));
        conclude(feed, result, Outcome::Accepted, {}, current);
    } else {
        conclude(feed, result, Outcome::Unchanged, QStringLiteral("same data"), current);
    }
}

void UpstreamFeed::conclude(Feed& feed, const Downloader::Result& result, Outcome outcome,
                            const QString& detail, bool current) {
    feed.accepted = feed.accepted || outcome == Outcome::Accepted;
    // A host that answers with old or broken data does not end the download while a fallback is left:
    // currency-api's CDN can serve a @latest days old while its other host is current.
    const qsizetype answered = feed.urls.indexOf(result.url);
    if (!current && result.status != Downloader::Result::Status::Failed && answered >= 0 &&
        answered + 1 < feed.urls.size()) {
        qCInfo(lcUpstream).noquote() << feed.source->name() << "has no current data at"
                                     << result.url.toString()
                                     << "(" + (detail.isEmpty() ? QStringLiteral("older day") : detail) +
                                            "), asking"
                                     << feed.urls.at(answered + 1).toString();
        fetch(feed, feed.urls.mid(answered + 1));
        return;
    }
    finish(feed, feed.accepted ? Outcome::Accepted : outcome, detail, current);
}

bool UpstreamFeed::refresh(const QString& source) {
    Feed* feed = find(source);
    if (!feed || !feed->downloader || feed->downloader->busy())
        return false;
    feed->timer->stop();
    feed->due = {};
    feed->elapsed.start();
    feed->accepted = false;
    return fetch(*feed, feed->urls);
}

bool UpstreamFeed::fetch(Feed& feed, const QList<QUrl>& urls) {
    // Asked conditionally, with what the cached data came with, so that unchanged data costs nothing.
    const RateSnapshot* cached = m_cache.snapshot(feed.source->name());
    return feed.downloader->fetch(urls, cached ? cached->etag : QByteArray(),
                                  cached ? cached->lastModified : QByteArray());
}

void UpstreamFeed::finish(Feed& feed, Outcome outcome, const QString& detail, bool current) {
    const QDateTime at = now();
    // Data older than the source's latest publication means it has not caught up yet: ask again soon.
    const QDateTime due =
        current ? feed.schedule->afterSuccess(at, randomSpread()) : feed.schedule->afterFailure(at);
    arm(feed, due);
    qCInfo(lcUpstream).noquote() << feed.source->name() << "asked again at" << due.toString(Qt::ISODate);
    emit downloadFinished(feed.source->name(), outcome, detail);
}

void UpstreamFeed::arm(Feed& feed, const QDateTime& due) {
    feed.due = due;
    const qint64 wait = std::clamp<qint64>(now().msecsTo(due), 0, kLongestWaitMs);
    feed.timer->start(static_cast<int>(wait));
}

void UpstreamFeed::fire(Feed& feed) {
    if (feed.due.isValid() && now() < feed.due)
        arm(feed, feed.due);
    else
        refresh(feed.source->name());
}

std::optional<RateSnapshot> UpstreamFeed::snapshot(const QString& source) const {
    if (const RateSnapshot* cached = m_cache.snapshot(source))
        return *cached;
    return std::nullopt;
}

QDateTime UpstreamFeed::nextPublication(const QString& source) const {
    const Feed* feed = find(source);
    return feed ? feed->schedule->nextPublication(now()) : QDateTime();
}

QDateTime UpstreamFeed::publishedAt(const QString& source, QDate date) const {
    const Feed* feed = find(source);
    return feed ? feed->schedule->publishedAt(date) : QDateTime();
}

QDateTime UpstreamFeed::nextAttempt(const QString& source) const {
    const Feed* feed = find(source);
    return feed ? feed->due : QDateTime();
}
