#pragma once

#include "RateSnapshot.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Answers a currency pair from the snapshots of the rate sources, and says how old the answer is.
// A cross rate is always taken within one source; "AVERAGE" is the mean of the fresh sources that
// quote both codes, unless they disagree by more than kMaxDisagreement, when the most trusted of
// them (a central bank before an aggregator) is answered instead. A source is fresh while its data
// is at most maxAgeDays old: stale numbers are never answered, however well they once matched.
class RateBook final {
public:
    static constexpr QStringView kAverage = u"AVERAGE";
    static constexpr double kMaxDisagreement = 0.02;
    static constexpr int kDefaultMaxAgeDays = 4;

    enum class Outcome { Rate, UnknownProvider, UnknownCode, NoFreshSource };

    struct Quote {
        Outcome outcome = Outcome::UnknownCode;
        double value = 0;
        QDate date;          // of the data answered: the newest of the sources used
        QDateTime published; // when that data was published (UTC)
        QStringList sources; // the sources whose rates made the answer
    };

    // `sources` are the provider names a client may ask for, most trusted first.
    explicit RateBook(QStringList sources, int maxAgeDays = kDefaultMaxAgeDays);

    const QStringList& sources() const { return m_sources; }
    int maxAgeDays() const { return m_maxAgeDays; }

    // Replaces the named source's snapshot; a snapshot of a source not given at construction is ignored.
    void setSnapshot(const RateSnapshot& snapshot);
    const RateSnapshot* snapshot(const QString& source) const;
    bool isFresh(const QString& source, QDate today) const;

    // When the named source publishes its data of a date; without it, at 00:00 UTC of that date.
    void setPublishedAt(const QString& source, std::function<QDateTime(QDate)> publishedAt);

    // When the named source is next expected to publish; the earliest of several, invalid if unknown.
    void setNextPublication(const QString& source, const QDateTime& when);
    QDateTime nextPublication(const QStringList& sources) const;

    // `provider` is kAverage or one of sources().
    Quote quote(QStringView provider, const QString& src, const QString& dst, QDate today) const;

private:
    QDateTime publishedAt(const QString& source, QDate date) const;
    std::optional<double> crossRate(const RateSnapshot& snapshot, const QString& src,
                                    const QString& dst) const;

    QStringList m_sources;
    int m_maxAgeDays;
    QHash<QString, RateSnapshot> m_snapshots;
    QHash<QString, QDateTime> m_nextPublication;
    QHash<QString, std::function<QDateTime(QDate)>> m_publishedAt;
};
