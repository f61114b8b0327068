#pragma once

#include "Decimal.h"
#include "HttpClient.h"
#include "RateReplyReader.h"
#include "RateService.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

class ReplacementCurrencies;

// One exchange-rate lookup for an ordered pair of currency codes: asks the rate service, reads the
// number out of its XML reply, corrects it for replaced currencies and sets `rate` exactly once,
// on a later pass of the event loop: the rate, or 0 when the lookup failed.
class CurrencyConvertor final : public QObject {
    Q_OBJECT
public:
    // Null when no request can be made (an unusable server address). The lookup is deleted on the
    // event loop once the last reference is gone, so an owner may drop it from inside rateChanged.
    static std::shared_ptr<CurrencyConvertor> create(const QString& fromCurrency, const QString& toCurrency,
                                                     const RateService& service, HttpClient& network);

    QString fromCurrency() const { return m_fromCurrency; }
    QString toCurrency() const { return m_toCurrency; }
    // Unset until the lookup ends; then greater than 0, or 0 for a failure.
    std::optional<Decimal> rate() const { return m_rate; }
    Decimal multiplier() const { return m_multiplier; }
    // When the service says the answered rate was published (its Last-Modified); invalid when it
    // does not say, or for a rate that needed no request.
    QDateTime publishedAt() const { return m_publishedAt; }

    static QString requestPath() {
        return QStringLiteral("/webservice/CurrencyServerWebService.asmx/getCurrencyValue");
    }

signals:
    void rateChanged();

private:
    CurrencyConvertor(const QString& fromCurrency, const QString& toCurrency);
    bool connectToService(const RateService& service, HttpClient& network);
    void requestSent();
    void deadlinePassed();
    void connectionDidFinishLoading();
    void end(const Decimal& rate);

    QString m_fromCurrency;
    QString m_toCurrency;
    std::optional<RateReplyReader> m_reader;
    Decimal m_multiplier = Decimal(1);
    std::optional<Decimal> m_rate;
    QDateTime m_publishedAt;
    QByteArray m_askedPair; // "SRC DST" as the query carries them
    HttpExchangePtr m_exchange;
    QPointer<HttpClient> m_network;
    // Runs while the request waits for a connection, extended while other replies keep finishing;
    // then runs once from the moment the request is sent.
    std::chrono::milliseconds m_replyDeadline{0};
    QTimer m_deadline;
    bool m_sent = false;
};
