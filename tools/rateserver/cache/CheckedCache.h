#pragma once

#include "RateSnapshot.h"
#include "SnapshotCheck.h"
#include "SnapshotStore.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The snapshots the server answers from, one per source: each download is checked against the cached
// one and the other sources before it replaces anything, and is on disk before it counts.
class CheckedCache final {
public:
    enum class Outcome { Accepted, Unchanged, Rejected };

    explicit CheckedCache(QString directory);

    void addSource(const QString& name, const SnapshotCheck::Rules& rules);
    // Reads the stored snapshots; one that fails its own checks is set aside like a corrupt file.
    QList<RateSnapshot> load();
    // Unchanged: the same date and rates as cached (new validators are still stored).
    Outcome offer(const RateSnapshot& candidate, const QDateTime& now, QString* reason = nullptr);

    const RateSnapshot* snapshot(const QString& source) const;
    QList<RateSnapshot> snapshots() const;
    const SnapshotStore& store() const { return m_store; }

private:
    SnapshotStore m_store;
    QHash<QString, SnapshotCheck::Rules> m_rules;
    QHash<QString, RateSnapshot> m_snapshots;
};
