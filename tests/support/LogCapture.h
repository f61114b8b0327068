#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QtMessageHandler>
#include <utility>

// Collects every Qt log message (qInfo, qWarning, ...) while it exists, instead of printing it.
class LogCapture final {
public:
    LogCapture();
    ~LogCapture();
    Q_DISABLE_COPY_MOVE(LogCapture)

    QStringList lines() const { return m_lines; }
    // The warnings and worse whose logging category starts with `categoryPrefix`.
    QStringList warningsIn(const char* categoryPrefix) const;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QStringList m_lines;
    QList<std::pair<QByteArray, QString>> m_warnings; // category, message
    QtMessageHandler m_previous = nullptr;
    LogCapture* m_outer = nullptr;
};
