#pragma once

#include <QDateTime>
#include <QObject>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

class UserDefaults;

// The five things the currency manager keeps in the preferences store, typed. It converts nothing
// between records and dictionaries: it is handed dictionary forms and gives them back.
class CurrencyPreferences final : public QObject {
    Q_OBJECT
public:
    explicit CurrencyPreferences(UserDefaults& store, QObject* parent = nullptr);

    // 1 January 2001 00:00:00 UTC, from which the manager's last update is counted in seconds.
    static QDateTime referenceDate();

    bool automaticUpdatesEnabled() const;
    void setAutomaticUpdatesEnabled(bool enabled);
    std::optional<QVariantMap> localCurrency() const;
    void setLocalCurrency(const std::optional<QVariantMap>& dictionary);
    std::optional<QVariantList> foreignCurrencies() const;
    void setForeignCurrencies(const std::optional<QVariantList>& dictionaries);
    int foreignCurrencyIndex() const;
    void setForeignCurrencyIndex(int index);
    QDateTime lastUpdate() const;
    void setLastUpdate(const QDateTime& date);

signals:
    // Announced under the property's name on every write.
    void changed(const QString& property);

private:
    UserDefaults& m_store;
};
