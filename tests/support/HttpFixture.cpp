#include "HttpFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <memory>

HttpFixture::HttpFixture(Responder responder)
    : HttpFixture(AnswerResponder([responder = std::move(responder)](const QByteArray& target) {
          return Answer{.head = responder(target)};
      })) {}

HttpFixture::HttpFixture(AnswerResponder responder) : m_responder(std::move(responder)) {
    m_clock.start();
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection())
            serve(socket);
    });
}

QString HttpFixture::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

void HttpFixture::serve(QTcpSocket* socket) {
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
        qsizetype end;
        while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
            const QByteArray head = buffer.left(end);
            buffer.remove(0, end + 4);
            const QList<QByteArray> requestLine = head.split('\r').first().split(' ');
            const QByteArray target = requestLine.value(1);
            m_targets.append(target);
            Answer answer = m_responder(target);
            // A server that closes after its answer drops whatever else the client sent ahead.
            answer.close =
                answer.close ||
                answer.head.left(answer.head.indexOf("\r\n\r\n")).contains("\r\nConnection: close");
            // One connection answers in order, one answer after the other, as a server working through
            // requests sent ahead does: a delayed answer holds back those behind it.
            const qint64 now = m_clock.elapsed();
            const qint64 at = std::max(now, socket->property("freeAt").toLongLong()) + answer.delay.count();
            socket->setProperty("freeAt", at);
            if (at > now)
                QTimer::singleShot(std::chrono::milliseconds(at - now), Qt::PreciseTimer, socket,
                                   [this, socket, answer] { write(socket, answer); });
            else
                write(socket, answer);
            if (answer.close) {
                socket->setProperty("buffer", QByteArray());
                return;
            }
        }
        socket->setProperty("buffer", buffer);
    });
}

void HttpFixture::write(QTcpSocket* socket, const Answer& answer) {
    if (answer.head.isEmpty() && answer.fillerSize == 0 && answer.tail.isEmpty() && !answer.close)
        return;
    // One writer per answer, stepping through head, filler and tail as time passes and the socket drains.
    struct Writer {
        Answer answer;
        bool headWritten = false;
        qint64 fillerLeft = 0;
        qsizetype tailWritten = 0;
    };
    auto writer = std::make_shared<Writer>(Writer{.answer = answer, .fillerLeft = answer.fillerSize});
    auto step = std::make_shared<std::function<void()>>();
    const QPointer<QTcpSocket> guard(socket);
    *step = [this, guard, writer, weakStep = std::weak_ptr(step)] {
        if (!guard || guard->state() != QAbstractSocket::ConnectedState)
            return;
        Writer& w = *writer;
        if (!w.headWritten) {
            w.headWritten = true;
            guard->write(w.answer.head);
        }
        constexpr qint64 kPiece = 64 * 1024;
        while (w.fillerLeft > 0 && guard->bytesToWrite() < 4 * kPiece) {
            const qint64 piece = std::min(kPiece, w.fillerLeft);
            guard->write(QByteArray(piece, w.answer.filler));
            w.fillerLeft -= piece;
            m_fillerWritten += piece;
        }
        if (w.fillerLeft > 0)
            return; // bytesWritten calls again
        if (w.tailWritten < w.answer.tail.size()) {
            if (w.answer.byteInterval.count() > 0) {
                guard->write(w.answer.tail.mid(w.tailWritten++, 1));
                if (auto next = weakStep.lock())
                    QTimer::singleShot(w.answer.byteInterval, guard, [next] { (*next)(); });
                return;
            }
            guard->write(w.answer.tail);
            w.tailWritten = w.answer.tail.size();
        }
        if (w.answer.close)
            guard->disconnectFromHost();
    };
    if (answer.fillerSize > 0) {
        // The connection keeps the step alive until it is gone.
        connect(socket, &QTcpSocket::bytesWritten, socket, [step] { (*step)(); });
    }
    (*step)(); // a trickle keeps itself alive through its pending timer
}

QByteArray HttpFixture::response(int status, const QByteArray& body, const QByteArray& extraHeaders) {
    return "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/xml; charset=utf-8\r\n" +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
}

QByteArray HttpFixture::openTag(const QByteArray& namespaceHost) {
    return "<double xmlns=\"http://" + namespaceHost + "/webservices/CurrencyServer\">";
}

QByteArray HttpFixture::doubleReply(const QByteArray& number, const QByteArray& namespaceHost) {
    return response(200, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n" + openTag(namespaceHost) + number +
                             "</double>");
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}
