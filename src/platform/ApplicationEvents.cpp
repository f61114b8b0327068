#include "ApplicationEvents.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// The signal handler may only write to a descriptor; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};

void onQuitSignal(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

ApplicationEvents::ApplicationEvents(QObject* parent) : QObject(parent), m_midnight(new QTimer(this)) {
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ApplicationEvents::willTerminate);

    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) == 0) {
        m_signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[1], QSocketNotifier::Read);
        connect(m_signalNotifier.get(), &QSocketNotifier::activated, this, [] {
            char byte = 0;
            [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
            QCoreApplication::quit();
        });
        struct sigaction action = {};
        action.sa_handler = onQuitSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int s : {SIGTERM, SIGINT, SIGHUP})
            ::sigaction(s, &action, nullptr);
    }

    m_midnight->setSingleShot(true);
    m_midnight->setTimerType(Qt::PreciseTimer);
    connect(m_midnight, &QTimer::timeout, this, &ApplicationEvents::timeChanged);
    armMidnightTimer();

    // A timer that the kernel cancels when the real-time clock is set tells of clock changes.
    m_clockFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_clockFd >= 0) {
        armClockChangeTimer();
        m_clockNotifier = std::make_unique<QSocketNotifier>(m_clockFd, QSocketNotifier::Read);
        connect(m_clockNotifier.get(), &QSocketNotifier::activated, this, &ApplicationEvents::clockChanged);
    }
    auto* zoneWatcher = new QFileSystemWatcher(this);
    zoneWatcher->addPath(QStringLiteral("/etc/localtime"));
    zoneWatcher->addPath(QStringLiteral("/etc/timezone"));
    connect(zoneWatcher, &QFileSystemWatcher::fileChanged, this, &ApplicationEvents::timeChanged);
}

ApplicationEvents::~ApplicationEvents() {
    m_clockNotifier.reset();
    if (m_clockFd >= 0)
        ::close(m_clockFd);
    if (m_signalNotifier) {
        struct sigaction action = {};
        action.sa_handler = SIG_DFL;
        for (int s : {SIGTERM, SIGINT, SIGHUP})
            ::sigaction(s, &action, nullptr);
        m_signalNotifier.reset();
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
}

void ApplicationEvents::armMidnightTimer() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    m_midnight->start(static_cast<int>(std::clamp<qint64>(now.msecsTo(midnight) + 1, 1, 86400000 + 3600000)));
}

void ApplicationEvents::armClockChangeTimer() {
    itimerspec never = {};
    never.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2; // never expires by itself
    ::timerfd_settime(m_clockFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr);
}

void ApplicationEvents::clockChanged() {
    std::uint64_t expirations = 0;
    const auto got = ::read(m_clockFd, &expirations, sizeof expirations);
    if (got < 0 && errno != ECANCELED)
        return;
    armClockChangeTimer();
    timeChanged();
}

void ApplicationEvents::timeChanged() {
    armMidnightTimer();
    emit significantTimeChange();
}
