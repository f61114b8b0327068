#include "CurrencyConvertor.h"

#include "DelayedCall.h"
#include "ReplacementCurrencies.h"
#include "ServiceNumberFormatter.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QUrl>

std::shared_ptr<CurrencyConvertor> CurrencyConvertor::create(const QString& fromCurrency,
                                                             const QString& toCurrency,
                                                             const RateService& service,
                                                             QNetworkAccessManager& network) {
    std::shared_ptr<CurrencyConvertor> lookup(new CurrencyConvertor(fromCurrency, toCurrency),
                                              [](CurrencyConvertor* c) { c->deleteLater(); });
    if (!lookup->connectToService(service, network))
        return nullptr;
    return lookup;
}

CurrencyConvertor::CurrencyConvertor(const QString& fromCurrency, const QString& toCurrency)
    : m_fromCurrency(fromCurrency), m_toCurrency(toCurrency) {}

bool CurrencyConvertor::connectToService(const RateService& service, QNetworkAccessManager& network) {
    const ReplacementCurrencies& table =
        service.replacements ? *service.replacements : ReplacementCurrencies::shared();
    QString from = m_fromCurrency;
    QString to = m_toCurrency;
    m_multiplier = Decimal(1);
    if (const auto entry = table.entryFor(from)) {
        m_multiplier = m_multiplier.divide(entry->rate);
        from = entry->lookup;
    }
    if (const auto entry = table.entryFor(to)) {
        m_multiplier = m_multiplier.multiply(entry->rate);
        to = entry->lookup;
    }
    m_namespaceHost = service.namespaceHost;

    if (from == to) {
        // Nothing to ask: publish on the next pass, after the owner has started observing.
        performAfterDelay(this, 0, [this] { end(m_multiplier); });
        return true;
    }

    QUrl url(QStringLiteral("http://") + service.serverHost);
    if (!url.isValid() || url.host().isEmpty() || !url.path().isEmpty() || url.hasQuery())
        return false;
    url.setPath(requestPath());
    // Codes are percent-encoded so that no code can change the shape of the query.
    url.setQuery(QStringLiteral("provider=AVERAGE&srcCurrency=%1&dstCurrency=%2")
                     .arg(QString::fromLatin1(QUrl::toPercentEncoding(from)),
                          QString::fromLatin1(QUrl::toPercentEncoding(to))),
                 QUrl::StrictMode);
    if (!url.isValid())
        return false;

    QNetworkRequest request(url);
    request.setTransferTimeout(static_cast<int>(service.transferTimeout.count()));
    // A refresh asks for many pairs at once: send the next requests on a kept-alive connection
    // without waiting for each answer. Qt does so only once the server has shown it speaks
    // HTTP/1.1 without closing, and sends again what a closing server dropped.
    request.setAttribute(QNetworkRequest::HttpPipeliningAllowedAttribute, true);
    m_reply = network.get(request);
    if (!m_reply)
        return false;
    m_receivedData.clear();
    // Only the body that follows the last response counts (a redirect's body is not the answer).
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { m_receivedData.clear(); });
    connect(m_reply, &QNetworkReply::redirected, this, [this] { m_receivedData.clear(); });
    connect(m_reply, &QNetworkReply::readyRead, this, [this] { m_receivedData.append(m_reply->readAll()); });
    connect(m_reply, &QNetworkReply::finished, this, &CurrencyConvertor::connectionDidFinishLoading);
    return true;
}

void CurrencyConvertor::connectionDidFinishLoading() {
    m_receivedData.append(m_reply->readAll());
    const QNetworkReply::NetworkError error = m_reply->error();
    // An HTTP error status still carries a body worth searching; a transport failure does not.
    const bool httpAnswered = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const bool failed = error == QNetworkReply::OperationCanceledError ||
                        error == QNetworkReply::TimeoutError ||
                        (error != QNetworkReply::NoError && !httpAnswered);
    const std::optional<Decimal> value = failed ? std::nullopt : readRate(m_receivedData);
    end(value ? m_multiplier.multiply(*value) : Decimal(0));
}

std::optional<Decimal> CurrencyConvertor::readRate(const QByteArray& body) const {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    if (decoder.hasError())
        text.clear(); // not UTF-8: as good as a body without the tag

    const QString openTag =
        QStringLiteral("<double xmlns=\"http://%1/webservices/CurrencyServer\">").arg(m_namespaceHost);
    const qsizetype open = text.indexOf(openTag);
    if (open < 0) {
        qInfo().noquote() << "Open tag not found:" << text;
        return std::nullopt;
    }
    const qsizetype start = open + openTag.size();
    const qsizetype close = text.indexOf(QStringLiteral("</double>"), start);
    if (close < 0) {
        qInfo().noquote() << "Close tag not found:" << text;
        return std::nullopt;
    }
    const auto value = exchangeRateFormatter().decimalFromString(text.mid(start, close - start));
    if (!value || value->isNaN() || !(value->toDouble() > 0))
        return std::nullopt;
    return value;
}

void CurrencyConvertor::end(const Decimal& rate) {
    // Let go of the connection and the body before publishing: the owner may drop this lookup
    // from inside the notification.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_receivedData.clear();
    if (m_rate)
        return;
    m_rate = rate.isNaN() ? Decimal(0) : rate;
    emit rateChanged();
}
