#pragma once

#include "Currency.h"
#include "Decimal.h"

#include <QDateTime>
#include <QList>
#include <memory>
#include <optional>

// A currency of the user's list: 1 unit of the local currency is worth `rate` units of this one.
// No rate means none is known yet; `lastUpdate` is when a download last set it (invalid: never).
// A rate the user typed is the user's own until a download replaces it; one the user keeps is left
// alone by downloads.
class ForeignCurrency final : public Currency {
    Q_OBJECT
public:
    using List = QList<std::shared_ptr<ForeignCurrency>>;

    static std::shared_ptr<ForeignCurrency> create(const QString& code);
    // Values of the wrong type are left absent; a rate that is not a finite positive number (one a
    // damaged file may hold) is no rate.
    static std::shared_ptr<ForeignCurrency> fromDictionary(const QVariantMap& dictionary);
    // One record per usable dictionary, in order; other entries are skipped.
    static List foreignCurrencyWithDictionaries(const QVariantList& dictionaries);

    std::optional<Decimal> rate() const { return m_rate; }
    void setRate(std::optional<Decimal> rate);
    QDateTime lastUpdate() const { return m_lastUpdate; }
    void setLastUpdate(const QDateTime& lastUpdate);
    // The rate was typed by the user, not downloaded: it has no download date.
    bool isUserRate() const { return m_userRate; }
    void setUserRate(bool userRate);
    // Downloads leave the rate as it is.
    bool keepsRate() const { return m_keepsRate; }
    void setKeepsRate(bool keepsRate);
    // The rate is the user's to show: typed since the last download, or kept.
    bool showsUserRate() const { return m_userRate || m_keepsRate; }

    // What the user typed in the editor: the rate becomes the user's and loses its download date.
    void setTypedRate(const Decimal& rate);
    // A downloaded rate, dated `when`; false for a kept rate, which stays as it is.
    bool takeDownloadedRate(const Decimal& rate, const QDateTime& when);

    // The rate is stored as an integer when it is one, otherwise as the nearest real number.
    QVariantMap dictionary() const override;

    // A property-list number (or a Decimal) as a rate; anything else, or NaN, is no rate.
    static std::optional<Decimal> rateFromValue(const QVariant& value);
    static QVariant valueFromRate(const Decimal& rate);

signals:
    void rateChanged();
    void lastUpdateChanged();
    void userRateChanged();
    void keepsRateChanged();

private:
    using Currency::Currency;

    std::optional<Decimal> m_rate;
    QDateTime m_lastUpdate;
    bool m_userRate = false;
    bool m_keepsRate = false;
};
