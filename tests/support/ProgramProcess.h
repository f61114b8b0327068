#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The rate server as a separate program on a port the kernel picks; ready once it has printed its
// start line. With Rates::ShippedAsToday and no --rates among the arguments, it serves the shipped
// rate table as today's (a fresh copy of the file, dated by its modification time) and downloads
// nothing; with Rates::AsArguments it does what the arguments say.
class RateServerProcess final {
public:
    // Keep: the caller reads the server's log from process(), or the full pipe stalls the server.
    enum class Log { Discard, Keep };
    enum class Rates { ShippedAsToday, AsArguments };

    explicit RateServerProcess(const QString& program, const QStringList& arguments = {},
                               Log log = Log::Discard, Rates rates = Rates::ShippedAsToday);
    ~RateServerProcess();
    Q_DISABLE_COPY_MOVE(RateServerProcess)

    quint16 port() const { return m_port; }
    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    const QString& startLine() const { return m_startLine; }
    QProcess& process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_startLine;
    quint16 m_port = 0;
};
