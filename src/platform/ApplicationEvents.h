#pragma once

#include <QObject>
#include <QString>
#include <memory>

class NotificationCenter;
class QSocketNotifier;
class QTimer;

inline const QString UIApplicationDidFinishLaunchingNotification =
    QStringLiteral("UIApplicationDidFinishLaunchingNotification");
inline const QString UIApplicationSignificantTimeChangeNotification =
    QStringLiteral("UIApplicationSignificantTimeChangeNotification");
inline const QString UIApplicationWillTerminateNotification =
    QStringLiteral("UIApplicationWillTerminateNotification");
inline const QString UIApplicationDidReceiveMemoryWarningNotification =
    QStringLiteral("UIApplicationDidReceiveMemoryWarningNotification");

// Turns what the desktop tells the program into the four application notifications:
// - will terminate: the application is about to quit; SIGTERM, SIGINT and SIGHUP quit it normally;
// - significant time change: local midnight, and a change of the system clock or time zone;
// - launch finished and memory warning are posted by whoever knows (the window's owner).
class ApplicationEvents final : public QObject {
    Q_OBJECT
public:
    explicit ApplicationEvents(NotificationCenter& center, QObject* parent = nullptr);
    ~ApplicationEvents() override;
    Q_DISABLE_COPY_MOVE(ApplicationEvents)

    void postDidFinishLaunching();
    void postMemoryWarning();

signals:
    void significantTimeChange();

private:
    void armMidnightTimer();
    void armClockChangeTimer();
    void clockChanged();
    void timeChanged();

    NotificationCenter& m_center;
    QTimer* m_midnight = nullptr;
    int m_clockFd = -1;
    std::unique_ptr<QSocketNotifier> m_clockNotifier;
    std::unique_ptr<QSocketNotifier> m_signalNotifier;
};
