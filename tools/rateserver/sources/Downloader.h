#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Downloads one source's file over HTTPS, one request at a time, asking each of its URLs in turn until
// one answers 200 or 304. Bounded in time, size and redirects; conditional on the cached validators.
class Downloader final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxBytes = 2 * 1024 * 1024;
    static constexpr std::chrono::milliseconds kDeadline = std::chrono::seconds(30);
    static constexpr int kMaxRedirects = 5;

    struct Result {
        enum class Status { Fetched, NotModified, Failed };
        Status status = Status::Failed;
        QUrl url; // the one that answered
        QByteArray body, etag, lastModified;
        QString error; // each URL's reason, when all failed
    };

    Downloader(QNetworkAccessManager* network, QSslConfiguration tls, QObject* parent = nullptr);
    ~Downloader() override;
    Q_DISABLE_COPY_MOVE(Downloader)

    static QByteArray userAgent();

    // False, and nothing asked, while a download is in flight or when there is no URL.
    bool fetch(const QList<QUrl>& urls, const QByteArray& etag, const QByteArray& lastModified);
    bool busy() const { return !m_reply.isNull(); }
    // Tests shorten it; each URL asked gets the whole deadline.
    void setDeadline(std::chrono::milliseconds deadline);

signals:
    void finished(const Downloader::Result& result);

private:
    void ask(qsizetype index);
    void settle();
    void abortWith(const QString& reason);

    QNetworkAccessManager* m_network;
    QSslConfiguration m_tls;
    QList<QUrl> m_urls;
    QByteArray m_etag, m_lastModified;
    qsizetype m_index = 0;
    QStringList m_failures;
    QString m_abortReason;
    QPointer<QNetworkReply> m_reply;
    QTimer* m_deadline;
};
