#include "CurrencyConvertor.h"

#include "DelayedCall.h"
#include "ReplacementCurrencies.h"
#include "ServiceNumberFormatter.h"

#include <QLocale>
#include <QTimeZone>
#include <QUrl>

std::shared_ptr<CurrencyConvertor> CurrencyConvertor::create(const QString& fromCurrency,
                                                             const QString& toCurrency,
                                                             const RateService& service,
                                                             HttpClient& network) {
    std::shared_ptr<CurrencyConvertor> lookup(new CurrencyConvertor(fromCurrency, toCurrency),
                                              [](CurrencyConvertor* c) { c->deleteLater(); });
    if (!lookup->connectToService(service, network))
        return nullptr;
    return lookup;
}

CurrencyConvertor::CurrencyConvertor(const QString& fromCurrency, const QString& toCurrency)
    : m_fromCurrency(fromCurrency), m_toCurrency(toCurrency) {}

bool CurrencyConvertor::connectToService(const RateService& service, HttpClient& network) {
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
    m_reader.emplace(service.namespaceHost);

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
    const QByteArray wireFrom = QUrl::toPercentEncoding(from);
    const QByteArray wireTo = QUrl::toPercentEncoding(to);
    url.setQuery(QStringLiteral("provider=AVERAGE&srcCurrency=%1&dstCurrency=%2")
                     .arg(QString::fromLatin1(wireFrom), QString::fromLatin1(wireTo)),
                 QUrl::StrictMode);
    m_askedPair = wireFrom + ' ' + wireTo;
    if (!url.isValid())
        return false;

    m_exchange = network.get(url, RateReplyReader::kMaxBodySize);
    if (!m_exchange)
        return false;
    m_network = &network;
    connect(m_exchange.get(), &HttpExchange::sent, this, &CurrencyConvertor::requestSent);
    connect(m_exchange.get(), &HttpExchange::finished, this, &CurrencyConvertor::connectionDidFinishLoading);

    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    m_replyDeadline = service.replyDeadline;
    m_deadline.setInterval(m_replyDeadline);
    connect(&m_deadline, &QTimer::timeout, this, &CurrencyConvertor::deadlinePassed);
    m_deadline.start();
    return true;
}

void CurrencyConvertor::requestSent() {
    // A request may go out again (a redirect, a retry after a closing server): the first counts.
    if (m_sent)
        return;
    m_sent = true;
    m_deadline.start(m_replyDeadline);
}

void CurrencyConvertor::deadlinePassed() {
    if (!m_sent && m_network) {
        const auto still = m_replyDeadline - m_network->sinceLastProgress();
        if (still.count() > 0) {
            m_deadline.start(still); // the lookups ahead moved meanwhile: keep waiting
            return;
        }
    }
    end(Decimal(0));
}

void CurrencyConvertor::connectionDidFinishLoading() {
    // An HTTP error status still carries a body worth searching; a failed exchange (no answer, a body
    // cut short or too large, a protocol error) does not, nor does an answer naming another pair.
    const std::optional<QByteArray> answered = m_exchange->header(RateService::kRatePairHeader);
    const bool usable =
        m_exchange->failure() == HttpExchange::Failure::None && (!answered || *answered == m_askedPair);
    const std::optional<Decimal> value = usable ? m_reader->read(m_exchange->body()) : std::nullopt;
    if (value) {
        // An HTTP-date (RFC 9110), read in the C locale whatever the user's.
        const QByteArray published = m_exchange->header("Last-Modified").value_or(QByteArray()).trimmed();
        m_publishedAt = QLocale::c().toDateTime(QString::fromLatin1(published),
                                                QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
        m_publishedAt.setTimeZone(QTimeZone::utc());
    }
    end(value ? m_multiplier.multiply(*value) : Decimal(0));
}

void CurrencyConvertor::end(const Decimal& rate) {
    // Let go of the connection and the body before publishing: the owner may drop this lookup
    // from inside the notification.
    m_deadline.stop();
    if (m_exchange) {
        m_exchange->disconnect(this);
        m_exchange.reset(); // an unfinished exchange is abandoned, its connection closed
    }
    if (m_rate)
        return;
    m_rate = rate.isNaN() ? Decimal(0) : rate;
    emit rateChanged();
}
