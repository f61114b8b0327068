#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

struct Notification {
    QString name;
    QObject* object = nullptr; // valid only while the notification is being delivered
};

// Named broadcasts. Handlers run at once, inside post(), in the order they were added.
// An observation ends with removeObserver() or when its receiver is destroyed.
class NotificationCenter final {
public:
    using Handler = std::function<void(const Notification&)>;

    NotificationCenter() = default;
    Q_DISABLE_COPY_MOVE(NotificationCenter)

    // The process-wide centre that the application's events and the rate updates are posted on.
    static NotificationCenter& defaultCenter();

    // `sender` limits the observation to notifications whose object is that sender; null takes any.
    void addObserver(QObject* receiver, const QString& name, Handler handler, QObject* sender = nullptr);
    void removeObserver(QObject* receiver);
    void removeObserver(QObject* receiver, const QString& name);

    void post(const QString& name, QObject* object = nullptr);

private:
    struct Entry {
        quint64 id;
        QPointer<QObject> receiver;
        QString name;
        QPointer<QObject> sender;
        bool anySender;
        Handler handler;
    };
    QList<Entry> m_entries;
    quint64 m_nextId = 1;
};
