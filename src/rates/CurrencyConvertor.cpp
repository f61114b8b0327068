#include "CurrencyConvertor.h"

#include "DelayedCall.h"
#include "ReplacementCurrencies.h"
#include "ServiceNumberFormatter.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

// When a reply of one network access manager last finished: lookups still waiting for one of its
// connections fail only once nothing has moved for their whole deadline. One per manager, kept as its
// child, so that a finished reply costs one update however many lookups wait.
class QueueProgress final : public QObject {
public:
    static QueueProgress* of(QNetworkAccessManager& network) {
        static constexpr char kProperty[] = "ratepadQueueProgress";
        auto* progress = qvariant_cast<QObject*>(network.property(kProperty));
        if (!progress) {
            progress = new QueueProgress(network);
            network.setProperty(kProperty, QVariant::fromValue<QObject*>(progress));
        }
        return static_cast<QueueProgress*>(progress);
    }
    std::chrono::milliseconds sinceLastMove() const {
        return std::chrono::milliseconds(m_lastMove.elapsed());
    }

private:
    explicit QueueProgress(QNetworkAccessManager& network) : QObject(&network) {
        m_lastMove.start();
        connect(&network, &QNetworkAccessManager::finished, this, [this] { m_lastMove.restart(); });
    }
    QElapsedTimer m_lastMove;
};

} // namespace

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
    url.setQuery(QStringLiteral("provider=AVERAGE&srcCurrency=%1&dstCurrency=%2")
                     .arg(QString::fromLatin1(QUrl::toPercentEncoding(from)),
                          QString::fromLatin1(QUrl::toPercentEncoding(to))),
                 QUrl::StrictMode);
    if (!url.isValid())
        return false;

    QNetworkRequest request(url);
    // Qt's transfer timeout would already run while the request waits behind the six connections
    // per host; m_deadline measures from the moment it is sent instead.
    request.setTransferTimeout(0);
    // A compressed body may not inflate past what would be read of it anyway.
    request.setDecompressedSafetyCheckThreshold(RateReplyReader::kMaxBodySize);
    // A refresh asks for many pairs at once: send the next requests on a kept-alive connection
    // without waiting for each answer. Qt does so only once the server has shown it speaks
    // HTTP/1.1 without closing, and sends again what a closing server dropped.
    request.setAttribute(QNetworkRequest::HttpPipeliningAllowedAttribute, true);
    m_reply = network.get(request);
    if (!m_reply)
        return false;
    // Qt stops reading from the socket once this much waits unread, so a huge reply is never held.
    m_reply->setReadBufferSize(RateReplyReader::kMaxBodySize);
    m_receivedData.clear();
    // Only the body that follows the last response counts (a redirect's body is not the answer).
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        m_receivedData.clear();
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > RateReplyReader::kMaxBodySize)
            end(Decimal(0));
    });
    connect(m_reply, &QNetworkReply::redirected, this, [this] { m_receivedData.clear(); });
    connect(m_reply, &QNetworkReply::readyRead, this, &CurrencyConvertor::receiveData);
    connect(m_reply, &QNetworkReply::requestSent, this, &CurrencyConvertor::requestSent);
    connect(m_reply, &QNetworkReply::finished, this, &CurrencyConvertor::connectionDidFinishLoading);

    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    m_replyDeadline = service.replyDeadline;
    m_deadline.setInterval(m_replyDeadline);
    m_queueProgress = QueueProgress::of(network);
    connect(&m_deadline, &QTimer::timeout, this, &CurrencyConvertor::deadlinePassed);
    m_deadline.start();
    return true;
}

void CurrencyConvertor::requestSent() {
    // Qt may send again (a redirect, a retry on a closed keep-alive connection): the first counts.
    if (m_sent)
        return;
    m_sent = true;
    m_deadline.start(m_replyDeadline);
}

void CurrencyConvertor::deadlinePassed() {
    if (!m_sent && m_queueProgress) {
        const auto still =
            m_replyDeadline - static_cast<QueueProgress*>(m_queueProgress.data())->sinceLastMove();
        if (still.count() > 0) {
            m_deadline.start(still); // the lookups ahead moved meanwhile: keep waiting
            return;
        }
    }
    end(Decimal(0));
}

void CurrencyConvertor::receiveData() {
    // One byte past the limit is enough to know that the body is too large.
    m_receivedData.append(m_reply->read(RateReplyReader::kMaxBodySize + 1 - m_receivedData.size()));
    if (m_receivedData.size() > RateReplyReader::kMaxBodySize)
        end(Decimal(0));
}

void CurrencyConvertor::connectionDidFinishLoading() {
    if (m_reply->isOpen())
        receiveData();
    if (!m_reply)
        return; // the last bytes were too many
    // An HTTP error status still carries a body worth searching; a transport failure, even after the
    // headers (a body cut short), or a protocol error does not.
    const QNetworkReply::NetworkError error = m_reply->error();
    const bool httpAnswered = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const bool statusError =
        (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
        error == QNetworkReply::ProtocolInvalidOperationError ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    const bool usable = error == QNetworkReply::NoError || (httpAnswered && statusError);
    const std::optional<Decimal> value = usable ? m_reader->read(m_receivedData) : std::nullopt;
    end(value ? m_multiplier.multiply(*value) : Decimal(0));
}

void CurrencyConvertor::end(const Decimal& rate) {
    // Let go of the connection and the body before publishing: the owner may drop this lookup
    // from inside the notification.
    m_deadline.stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort(); // nothing more is read; a reply that has finished ignores this
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_receivedData = QByteArray();
    if (m_rate)
        return;
    m_rate = rate.isNaN() ? Decimal(0) : rate;
    emit rateChanged();
}
