#pragma once

#include "PublicationCalendar.h"
#include "RateSnapshot.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// One upstream provider: where it lives, how its file reads, how much it normally holds and when it
// publishes.
class RateSource {
public:
    virtual ~RateSource() = default;

    virtual QString name() const = 0;            // the provider= name clients ask for
    virtual QList<QUrl> defaultUrls() const = 0; // the later ones are fallbacks
    virtual std::optional<RateSnapshot> parse(const QByteArray& body, QString* error) const = 0;
    virtual QString base() const = 0;
    // Fewer currencies than this means a broken or partial file, not a quiet day.
    virtual qsizetype minimumCurrencies() const = 0;
    virtual PublicationCalendar::Rule publication() const = 0;
};
