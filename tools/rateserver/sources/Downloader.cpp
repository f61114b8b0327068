#include "Downloader.h"

#include "UpstreamLog.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

Downloader::Downloader(QNetworkAccessManager* network, QSslConfiguration tls, QObject* parent)
    : QObject(parent), m_network(network), m_tls(std::move(tls)), m_deadline(new QTimer(this)) {
    m_deadline->setSingleShot(true);
    m_deadline->setTimerType(Qt::PreciseTimer);
    m_deadline->setInterval(kDeadline);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        abortWith(QStringLiteral("no complete answer within %1 ms").arg(m_deadline->interval()));
    });
}

Downloader::~Downloader() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

void Downloader::setDeadline(std::chrono::milliseconds deadline) {
    m_deadline->setInterval(deadline);
}

QByteArray Downloader::userAgent() {
    return QByteArrayLiteral("ratepad-rate-server/" RATEPAD_VERSION);
}

bool Downloader::fetch(const QList<QUrl>& urls, const QByteArray& etag, const QByteArray& lastModified) {
    if (busy() || urls.isEmpty())
        return false;
    m_urls = urls;
    m_etag = etag;
    m_lastModified = lastModified;
    m_failures.clear();
    ask(0);
    return true;
}

void Downloader::ask(qsizetype index) {
    m_index = index;
    m_abortReason.clear();
    QNetworkRequest request(m_urls.at(index));
    request.setSslConfiguration(m_tls);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    // Our own validators decide; a cache between us and the source must not answer for it.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    if (!m_etag.isEmpty())
        request.setRawHeader(QByteArrayLiteral("If-None-Match"), m_etag);
    if (!m_lastModified.isEmpty())
        request.setRawHeader(QByteArrayLiteral("If-Modified-Since"), m_lastModified);

    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > kMaxBytes || total > kMaxBytes)
            abortWith(QStringLiteral("larger than %1 bytes").arg(kMaxBytes));
    });
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::settle);
    m_deadline->start();
}

void Downloader::abortWith(const QString& reason) {
    if (!m_reply || !m_abortReason.isEmpty())
        return;
    m_abortReason = reason;
    m_reply->abort(); // emits finished, which settles
}

void Downloader::settle() {
    QNetworkReply* reply = m_reply;
    if (!reply || !reply->isFinished())
        return;
    m_deadline->stop();
    reply->deleteLater();
    m_reply.clear();

    const QUrl url = m_urls.at(m_index);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString reason = m_abortReason;
    // A 200 cut short by the connection is a failure, not a shorter file.
    if (reason.isEmpty() && ((status == 200 && reply->error() == QNetworkReply::NoError) || status == 304)) {
        Result result;
        result.status = status == 200 ? Result::Status::Fetched : Result::Status::NotModified;
        result.url = url;
        if (status == 200) {
            result.body = reply->readAll();
            result.etag = reply->rawHeader(QByteArrayLiteral("ETag"));
            result.lastModified = reply->rawHeader(QByteArrayLiteral("Last-Modified"));
        } else {
            result.etag = m_etag;
            result.lastModified = m_lastModified;
        }
        emit finished(result);
        return;
    }
    if (reason.isEmpty())
        reason = status >= 400 || (status != 0 && reply->error() == QNetworkReply::NoError)
                     ? QStringLiteral("HTTP %1").arg(status)
                     : reply->errorString(); // no answer, TLS, redirects
    m_failures << QStringLiteral("%1: %2").arg(url.toString(), reason);
    if (m_index + 1 < m_urls.size()) {
        qCInfo(lcUpstream).noquote() << "falling back after" << m_failures.constLast();
        ask(m_index + 1);
        return;
    }
    Result result;
    result.error = m_failures.join(QStringLiteral("; "));
    emit finished(result);
}
