#include "FirstFrameProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QWidget>
#include <QWindow>
#include <ctime>
#include <unistd.h>

FirstFrameProbe::FirstFrameProbe(QWidget* window, bool quitAfterwards)
    : QObject(window), m_window(window), m_quit(quitAfterwards) {
    window->installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject* watched, QEvent* event) {
    if (m_reported)
        return false;
    if (watched == m_window) {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        else if (event->type() == QEvent::Show && m_window->windowHandle())
            m_window->windowHandle()->installEventFilter(this);
        return false;
    }
    // The window system's expose or update request: handling it paints the window and flushes the
    // frame. The frame is there when that returns; what the same pass of the event loop runs
    // afterwards (a queued rate update, say) is no part of it.
    if (m_handling || (event->type() != QEvent::Expose && event->type() != QEvent::UpdateRequest))
        return false;
    m_handling = true;
    watched->event(event);
    m_handling = false;
    if (m_painted) {
        m_reported = true;
        QTextStream(stdout) << "first-frame " << millisecondsSinceProcessStart() << ' ' << residentKiB()
                            << Qt::endl;
        if (m_quit)
            QCoreApplication::quit();
    }
    return true; // handled above
}

double FirstFrameProbe::millisecondsSinceProcessStart() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    // The kernel keeps the start in clock ticks (10 ms), too coarse to compare start-ups of 20 ms;
    // a launcher that noted the moment it started the process passes it here.
    bool given = false;
    const double launchedMs = qEnvironmentVariable("RATEPAD_FIRST_FRAME_PROBE_LAUNCHED_MS").toDouble(&given);
    if (given)
        return nowMs - launchedMs;
    // Field 22 of /proc/self/stat is the start time in clock ticks after boot.
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long FirstFrameProbe::residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
