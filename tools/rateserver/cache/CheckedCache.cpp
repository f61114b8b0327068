#include "CheckedCache.h"

#include "UpstreamLog.h"

CheckedCache::CheckedCache(QString directory) : m_store(std::move(directory)) {}

void CheckedCache::addSource(const QString& name, const SnapshotCheck::Rules& rules) {
    m_rules.insert(name, rules);
}

QList<RateSnapshot> CheckedCache::load() {
    QList<RateSnapshot> loaded;
    for (auto it = m_rules.cbegin(); it != m_rules.cend(); ++it) {
        std::optional<RateSnapshot> snapshot = m_store.load(it.key());
        if (!snapshot)
            continue;
        const QString reason = SnapshotCheck::checkValues(*snapshot, *it);
        if (!reason.isEmpty()) {
            m_store.setAside(it.key(), reason);
            continue;
        }
        m_snapshots.insert(it.key(), *snapshot);
        loaded << *snapshot;
    }
    return loaded;
}

CheckedCache::Outcome CheckedCache::offer(const RateSnapshot& candidate, const QDateTime& now,
                                          QString* reason) {
    const auto rules = m_rules.constFind(candidate.source);
    const auto refuse = [&](const QString& why) {
        qCWarning(lcUpstream).noquote() << candidate.source << "download rejected, cache kept:" << why;
        if (reason)
            *reason = why;
        return Outcome::Rejected;
    };
    if (rules == m_rules.cend())
        return refuse(QStringLiteral("unknown source"));

    QList<RateSnapshot> others;
    for (auto it = m_snapshots.cbegin(); it != m_snapshots.cend(); ++it) {
        if (it.key() != candidate.source)
            others << *it;
    }
    const RateSnapshot* cached = snapshot(candidate.source);
    const SnapshotCheck::Verdict verdict = SnapshotCheck::check(candidate, *rules, cached, others, now);
    if (!verdict.rejection.isEmpty())
        return refuse(verdict.rejection);

    RateSnapshot accepted = candidate;
    for (const QString& code : verdict.withheld)
        accepted.perBase.remove(code);
    if (!verdict.withheld.isEmpty()) {
        qCInfo(lcUpstream).noquote() << candidate.source << "left out, moved by more than a factor of"
                                     << SnapshotCheck::kSuspiciousMove
                                     << "with no other source to confirm:" << verdict.withheld.join(u' ');
    }
    const bool sameData = cached && cached->date == accepted.date && cached->perBase == accepted.perBase;
    if (sameData && cached->etag == accepted.etag && cached->lastModified == accepted.lastModified)
        return Outcome::Unchanged;

    QString error;
    if (!m_store.save(accepted, &error))
        qCWarning(lcUpstream).noquote() << "cannot write" << m_store.path(accepted.source) + ':' << error;
    m_snapshots.insert(accepted.source, accepted);
    if (sameData)
        return Outcome::Unchanged;
    qCInfo(lcUpstream).noquote() << accepted.source << "rates of" << accepted.date.toString(Qt::ISODate)
                                 << "accepted:" << accepted.perBase.size() << "currencies";
    return Outcome::Accepted;
}

const RateSnapshot* CheckedCache::snapshot(const QString& source) const {
    const auto it = m_snapshots.constFind(source);
    return it == m_snapshots.cend() ? nullptr : &*it;
}

QList<RateSnapshot> CheckedCache::snapshots() const {
    return m_snapshots.values();
}
