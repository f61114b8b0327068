#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The rate server as a separate program on a port the kernel picks; ready once it has printed its
// start line.
class RateServerProcess final {
public:
    explicit RateServerProcess(const QString& program, const QStringList& arguments = {});
    ~RateServerProcess();
    Q_DISABLE_COPY_MOVE(RateServerProcess)

    quint16 port() const { return m_port; }
    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

private:
    QProcess m_process;
    quint16 m_port = 0;
};
