#include "FontWarmUp.h"

#include "FirstPaint.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

FontWarmUp::FontWarmUp() {
    cpu_set_t others;
    CPU_ZERO(&others);
    const int here = sched_getcpu();
    if (here < 0 || sched_getaffinity(0, sizeof others, &others) != 0)
        return;
    CPU_CLR(here, &others);
    if (CPU_COUNT(&others) == 0)
        return;
    m_thread = std::thread([created = m_applicationCreated.get_future()]() mutable {
        // Safe beside the GUI thread's own first call: fontconfig installs one configuration
        // atomically, and Qt's font database functions are thread-safe.
        FcInit();
        if (created.get())
            QFontDatabase::families();
    });
    // Left to itself, the new thread often queues behind the GUI thread on its core for a
    // millisecond or more before the scheduler moves it.
    pthread_setaffinity_np(m_thread.native_handle(), sizeof others, &others);
}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::applicationCreated() {
    if (m_announced)
        return;
    m_announced = true;
    m_applicationCreated.set_value(true);
}

void FontWarmUp::waitBeforeFirstPaint(QWidget* window) {
    onFirstPaint(window, [this] { wait(); });
}

void FontWarmUp::wait() {
    // Unannounced by now, the application object never came: the thread must not wait for it.
    if (!m_announced) {
        m_announced = true;
        m_applicationCreated.set_value(false);
    }
    if (m_thread.joinable())
        m_thread.join();
}
