#pragma once

#include "RateSnapshot.h"

#include <QString>
#include <optional>

// One JSON file per source in a directory, replaced atomically: a crash at any moment leaves either
// the old file or the new one. A file that cannot be read back is moved aside and ignored.
class SnapshotStore final {
public:
    explicit SnapshotStore(QString directory);

    static QString defaultDirectory(); // $XDG_CACHE_HOME/ratepad-rate-server
    static QByteArray serialize(const RateSnapshot& snapshot);
    static std::optional<RateSnapshot> deserialize(const QByteArray& data, QString* error = nullptr);

    const QString& directory() const { return m_directory; }
    QString path(const QString& source) const;
    bool save(const RateSnapshot& snapshot, QString* error = nullptr) const;
    // Nothing when there is no file; a corrupt one is renamed with a ".corrupt" suffix first.
    std::optional<RateSnapshot> load(const QString& source) const;
    // Renames the source's file with a ".corrupt" suffix (replacing an older one) and logs why.
    void setAside(const QString& source, const QString& reason) const;

private:
    QString m_directory;
};
