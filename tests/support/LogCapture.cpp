#include "LogCapture.h"

namespace {
LogCapture* g_current = nullptr; // the innermost capture; tests run on one thread
}

LogCapture::LogCapture() : m_outer(g_current) {
    g_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture() {
    qInstallMessageHandler(m_previous);
    g_current = m_outer;
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!g_current)
        return;
    g_current->m_lines.append(message);
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_current->m_warnings.append({QByteArray(context.category), message});
}

QStringList LogCapture::warningsIn(const char* categoryPrefix) const {
    QStringList found;
    for (const auto& [category, message] : m_warnings) {
        if (category.startsWith(categoryPrefix))
            found << message;
    }
    return found;
}
