#include "NotificationCenter.h"

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject* receiver, const QString& name, Handler handler,
                                     QObject* sender) {
    m_entries.append({m_nextId++, receiver, name, sender, sender == nullptr, std::move(handler)});
}

void NotificationCenter::removeObserver(QObject* receiver) {
    m_entries.removeIf([receiver](const Entry& e) { return e.receiver.isNull() || e.receiver == receiver; });
}

void NotificationCenter::removeObserver(QObject* receiver, const QString& name) {
    m_entries.removeIf(
        [&](const Entry& e) { return e.receiver.isNull() || (e.receiver == receiver && e.name == name); });
}

void NotificationCenter::post(const QString& name, QObject* object) {
    // Handlers may add or remove observers while this runs: walk a snapshot of ids and skip any
    // entry that is gone by the time its turn comes.
    QList<quint64> ids;
    for (const Entry& e : m_entries)
        if (e.name == name)
            ids.append(e.id);
    const Notification notification{name, object};
    for (quint64 id : ids) {
        const auto it =
            std::find_if(m_entries.cbegin(), m_entries.cend(), [id](const Entry& e) { return e.id == id; });
        if (it == m_entries.cend() || it->receiver.isNull())
            continue;
        if (!it->anySender && (it->sender.isNull() || it->sender != object))
            continue;
        const Handler handler = it->handler; // the entry may be removed while the handler runs
        handler(notification);
    }
    m_entries.removeIf([](const Entry& e) { return e.receiver.isNull(); });
}
