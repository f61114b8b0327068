#include "ProgramProcess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

RateServerProcess::RateServerProcess(const QString& program, const QStringList& arguments, Log log) {
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    if (log == Log::Discard)
        m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(program, QStringList{"--port", "0"} + arguments);
    const QDeadlineTimer deadline(20000);
    while (!m_process.canReadLine() && m_process.state() != QProcess::NotRunning && !deadline.hasExpired())
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    m_startLine = QString::fromUtf8(m_process.readLine()).trimmed();
    static const QRegularExpression pattern(QStringLiteral(
        "^ratepad-rate-server listening on http://127\\.0\\.0\\.1:(\\d+)/ with (\\d+) rates$"));
    const auto match = pattern.match(m_startLine);
    if (match.hasMatch())
        m_port = match.captured(1).toUShort();
}

RateServerProcess::~RateServerProcess() {
    m_process.kill();
    m_process.waitForFinished();
}
