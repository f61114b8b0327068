#pragma once

#include <QStringList>
#include <QtMessageHandler>

// Collects every Qt log message (qInfo, qWarning, ...) while it exists, instead of printing it.
class LogCapture final {
public:
    LogCapture();
    ~LogCapture();
    Q_DISABLE_COPY_MOVE(LogCapture)

    QStringList lines() const { return m_lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
    LogCapture* m_outer = nullptr;
};
