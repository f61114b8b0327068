#pragma once

#include <QObject>

class QWidget;

// Tells how long a program took to show its window: once its first frame is painted it prints
// "first-frame <milliseconds since the process started> <resident KiB>" to standard output, and
// quits the program when asked to. Used by the start-up benchmark.
class FirstFrameProbe final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstFrameProbe)

public:
    FirstFrameProbe(QWidget* window, bool quitAfterwards);

    // Milliseconds since the process started: since RATEPAD_FIRST_FRAME_PROBE_LAUNCHED_MS (the
    // CLOCK_BOOTTIME milliseconds at which a launcher started it) where that is set, else since the
    // kernel's record of the start, which is whole clock ticks.
    static double millisecondsSinceProcessStart();
    static long residentKiB();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_quit;
    bool m_painted = false;
    bool m_handling = false;
    bool m_reported = false;
};
