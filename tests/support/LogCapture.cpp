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

void LogCapture::handle(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (g_current)
        g_current->m_lines.append(message);
}
