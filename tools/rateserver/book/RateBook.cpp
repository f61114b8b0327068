#include "RateBook.h"

#include <QLoggingCategory>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcRateBook, "ratepad.rateserver.book")

RateBook::RateBook(QStringList sources, int maxAgeDays)
    : m_sources(std::move(sources)), m_maxAgeDays(maxAgeDays) {}

void RateBook::setSnapshot(const RateSnapshot& snapshot) {
    if (m_sources.contains(snapshot.source))
        m_snapshots.insert(snapshot.source, snapshot);
}

const RateSnapshot* RateBook::snapshot(const QString& source) const {
    const auto it = m_snapshots.constFind(source);
    return it == m_snapshots.constEnd() ? nullptr : &*it;
}

void RateBook::setPublishedAt(const QString& source, std::function<QDateTime(QDate)> publishedAt) {
    m_publishedAt.insert(source, std::move(publishedAt));
}

QDateTime RateBook::publishedAt(const QString& source, QDate date) const {
    const auto it = m_publishedAt.constFind(source);
    const QDateTime when = it != m_publishedAt.constEnd() && *it ? (*it)(date) : QDateTime();
    return when.isValid() ? when.toUTC() : QDateTime(date, QTime(0, 0), Qt::UTC);
}

void RateBook::setNextPublication(const QString& source, const QDateTime& when) {
    m_nextPublication.insert(source, when);
}

QDateTime RateBook::nextPublication(const QStringList& sources) const {
    QDateTime earliest;
    for (const QString& source : sources) {
        const QDateTime when = m_nextPublication.value(source);
        if (when.isValid() && (!earliest.isValid() || when < earliest))
            earliest = when;
    }
    return earliest;
}

bool RateBook::isFresh(const QString& source, QDate today) const {
    const RateSnapshot* data = snapshot(source);
    // A date in the future is as untrustworthy as an old one.
    return data && data->date.isValid() && data->date <= today && data->date.daysTo(today) <= m_maxAgeDays;
}

std::optional<double> RateBook::crossRate(const RateSnapshot& snapshot, const QString& src,
                                          const QString& dst) const {
    const auto from = snapshot.perBase.constFind(src);
    const auto to = snapshot.perBase.constFind(dst);
    if (from == snapshot.perBase.constEnd() || to == snapshot.perBase.constEnd())
        return std::nullopt;
    if (src == dst)
        return 1.0;
    const double value = *to / *from;
    if (!std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

RateBook::Quote RateBook::quote(QStringView provider, const QString& src, const QString& dst,
                                QDate today) const {
    QStringList asked;
    if (provider == kAverage)
        asked = m_sources;
    else if (m_sources.contains(provider))
        asked = {provider.toString()};
    else
        return {Outcome::UnknownProvider, 0, {}, {}, {}};

    Quote result;
    std::vector<double> values;
    bool allFresh = true;
    for (const QString& source : asked) {
        if (!isFresh(source, today)) {
            allFresh = false;
            continue;
        }
        const RateSnapshot& data = *snapshot(source);
        const std::optional<double> value = crossRate(data, src, dst);
        if (!value)
            continue;
        values.push_back(*value);
        result.sources.append(source);
        result.date = std::max(result.date, data.date);
        result.published = std::max(result.published, publishedAt(source, data.date));
    }
    if (values.empty()) {
        // A source without fresh data may well know the codes: the client should come back later.
        result.outcome = allFresh ? Outcome::UnknownCode : Outcome::NoFreshSource;
        return result;
    }

    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (*high > *low * (1 + kMaxDisagreement)) {
        // The sources are listed most trusted first, so the first one used is the one to believe.
        qCInfo(lcRateBook).noquote() << QStringLiteral("%1 %2: sources disagree by %3% (%4); answering %5")
                                            .arg(src, dst)
                                            .arg((*high / *low - 1) * 100, 0, 'f', 1)
                                            .arg(result.sources.join(u", "), result.sources.first());
        result.value = values.front();
        result.date = snapshot(result.sources.first())->date;
        result.published = publishedAt(result.sources.first(), result.date);
        result.sources = {result.sources.first()};
    } else {
        double sum = 0;
        for (const double value : values)
            sum += value;
        result.value = sum / static_cast<double>(values.size());
    }
    result.outcome = Outcome::Rate;
    return result;
}
