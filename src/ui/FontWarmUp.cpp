#include "FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp() {
    m_thread = std::thread([created = m_applicationCreated.get_future()]() mutable {
        // Safe beside the GUI thread's own first call: fontconfig installs one configuration
        // atomically, and Qt's font database functions are thread-safe.
        FcInit();
        if (created.get())
            QFontDatabase::families();
    });
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

void FontWarmUp::wait() {
    // Unannounced by now, the application object never came: the thread must not wait for it.
    if (!m_announced) {
        m_announced = true;
        m_applicationCreated.set_value(false);
    }
    if (m_thread.joinable())
        m_thread.join();
}
