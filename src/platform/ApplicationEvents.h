#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;
class QTimer;

// Turns what the desktop tells the program into the four application events, one signal each:
// - will terminate: the application is about to quit; SIGTERM, SIGINT and SIGHUP quit it normally;
// - significant time change: local midnight, and a change of the system clock or time zone;
// - launch finished and memory warning are announced by whoever knows (the window's owner).
class ApplicationEvents final : public QObject {
    Q_OBJECT
public:
    explicit ApplicationEvents(QObject* parent = nullptr);
    ~ApplicationEvents() override;
    Q_DISABLE_COPY_MOVE(ApplicationEvents)

signals:
    void didFinishLaunching();
    void significantTimeChange();
    void willTerminate();
    // A desktop has none: the window's owner sends it when the window stops being active.
    void didReceiveMemoryWarning();

private:
    void armMidnightTimer();
    void armClockChangeTimer();
    void clockChanged();
    void timeChanged();

    QTimer* m_midnight = nullptr;
    int m_clockFd = -1;
    std::unique_ptr<QSocketNotifier> m_clockNotifier;
    std::unique_ptr<QSocketNotifier> m_signalNotifier;
};
