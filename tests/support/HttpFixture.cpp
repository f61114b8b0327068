#include "HttpFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <memory>
#include <sys/socket.h>

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

int HttpFixture::connectionsOpen() const {
    int open = 0;
    for (const QTcpSocket* socket : findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly))
        open += socket->state() == QAbstractSocket::ConnectedState;
    return open;
}

void HttpFixture::serve(QTcpSocket* socket) {
    socket->setParent(this);
    socket->setProperty("number", m_connections++);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        if (socket->property("closing").toBool()) {
            socket->readAll(); // what comes after the last answer is never read
            return;
        }
        QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
        qsizetype end;
        while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
            const QByteArray head = buffer.left(end);
            buffer.remove(0, end + 4);
            const QList<QByteArray> requestLine = head.split('\r').first().split(' ');
            const QByteArray target = requestLine.value(1);
            m_targets.append(target);
            if (newestFirstBatch > 0) {
                QList<QByteArray> held = socket->property("held").value<QList<QByteArray>>() << target;
                socket->setProperty("held", QVariant::fromValue(held));
                const auto release = [this, socket] {
                    const auto batch = socket->property("held").value<QList<QByteArray>>();
                    socket->setProperty("held", QVariant());
                    for (auto it = batch.rbegin(); it != batch.rend(); ++it)
                        answer(socket, *it);
                };
                if (held.size() >= newestFirstBatch)
                    release();
                else if (held.size() == 1)
                    QTimer::singleShot(50, socket, release);
                continue;
            }
            answer(socket, target);
            if (socket->property("closing").toBool())
                return;
        }
        socket->setProperty("buffer", buffer);
    });
}

void HttpFixture::answer(QTcpSocket* socket, const QByteArray& target) {
    const int answered = socket->property("answered").toInt() + 1;
    socket->setProperty("answered", answered);
    m_answeredOnConnection = answered - 1;
    Answer answer = m_responder(target);
    if (!closeAfter.isEmpty() &&
        answered == closeAfter[socket->property("number").toInt() % closeAfter.size()])
        answer.head.replace("\r\n\r\n", "\r\nConnection: close\r\n\r\n");
    // A server that closes after its answer drops whatever else the client sent ahead.
    answer.close =
        answer.close || answer.head.left(answer.head.indexOf("\r\n\r\n")).contains("\r\nConnection: close");
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
    if (answer.close || answer.halfClose)
        socket->setProperty("closing", true);
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
        const auto finish = [guard, answer = w.answer] {
            guard->write(answer.later);
            if (answer.close) {
                guard->disconnectFromHost();
            } else if (answer.halfClose) {
                guard->flush();
                ::shutdown(int(guard->socketDescriptor()), SHUT_WR);
            }
        };
        if (w.answer.laterDelay.count() > 0)
            QTimer::singleShot(w.answer.laterDelay, guard, finish);
        else
            finish();
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

QByteArray HttpFixture::doubleReply(const QByteArray& number, const QByteArray& namespaceHost,
                                    const QByteArray& extraHeaders) {
    return response(
        200, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n" + openTag(namespaceHost) + number + "</double>",
        extraHeaders);
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
