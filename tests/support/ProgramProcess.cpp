#include "ProgramProcess.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

RateServerProcess::RateServerProcess(const QString& program, const QStringList& arguments, Log log,
                                     Rates rates) {
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    if (log == Log::Discard)
        m_process.setStandardErrorFile(QProcess::nullDevice());
    QStringList options = arguments + QStringList{"--port", "0"};
    if (rates == Rates::ShippedAsToday && !arguments.contains(QStringLiteral("--rates"))) {
        const QString today = m_dir.filePath(QStringLiteral("ExchangeRates.plist"));
        QFile::copy(QStringLiteral(RATEPAD_SOURCE_DIR "/resources/ExchangeRates.plist"), today);
        QFile copy(today);
        if (copy.open(QIODevice::ReadWrite))
            copy.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
        options << QStringLiteral("--rates") << today;
    }
    m_process.start(program, options);
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
