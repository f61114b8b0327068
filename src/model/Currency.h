#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

// Keys of a record's dictionary form. "lastUpdate" is also the preference key of the manager's own
// last-update time.
inline const QString kCurrencyCodeKey = QStringLiteral("currencyCode");
inline const QString kLabelKey = QStringLiteral("label");
inline const QString kExchangeRateKey = QStringLiteral("exchangeRate");
inline const QString kLastUpdateKey = QStringLiteral("lastUpdate");
// Written only when true, so that a record without them reads as before and an older reader, which
// ignores keys it does not know, reads the same record.
inline const QString kUserRateKey = QStringLiteral("userRate");
inline const QString kKeepsRateKey = QStringLiteral("keepsRate");

// A currency record: a code such as "USD" and a display name. Only its two kinds, LocalCurrency and
// ForeignCurrency, can be created. Records have identity: lists hold them by shared pointer and find
// them by pointer, never by value. Every set notifies, also when the value is unchanged.
class Currency : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString currencyCode READ currencyCode WRITE setCurrencyCode NOTIFY currencyCodeChanged)
    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY labelChanged)
public:
    ~Currency() override = default;
    Q_DISABLE_COPY_MOVE(Currency)

    // A null string is an absent value; it writes no dictionary entry.
    QString currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(const QString& code);
    QString label() const { return m_label; }
    void setLabel(const QString& label);

    virtual QVariantMap dictionary() const;

signals:
    void currencyCodeChanged();
    void labelChanged();

protected:
    explicit Currency(const QString& code);

private:
    QString m_currencyCode;
    QString m_label;
};

// Reads a string value of a dictionary form; anything else is absent.
QString currencyStringValue(const QVariantMap& dictionary, const QString& key);
// A dictionary with a non-empty text code: a currency without one can never be shown or priced.
bool isUsableCurrencyDictionary(const QVariant& value);
