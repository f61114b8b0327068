#pragma once

#include <future>
#include <thread>

class QWidget;

// The first font a window asks for makes fontconfig read its configuration and font caches and Qt
// list every installed font: milliseconds of XML and file reading in front of the first frame.
// This does that work on a thread of its own, on another core, while the program builds its window;
// with a single core there is no thread, as it could only take turns with the window's.
class FontWarmUp final {
public:
    // Starts reading fontconfig's configuration at once: made before the application object.
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // The application object exists: the thread goes on to fill Qt's font database.
    void applicationCreated();
    // Before `window` first paints, waits for the thread rather than let the GUI thread read the
    // fonts a second time beside it.
    void waitBeforeFirstPaint(QWidget* window);
    // Waits until the thread is done (it lists no fonts when the application object was never
    // announced); call before the application object goes. The destructor waits too.
    void wait();

private:
    std::promise<bool> m_applicationCreated;
    bool m_announced = false;
    std::thread m_thread;
};
