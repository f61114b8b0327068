#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

// What a screen shows in the tab bar: a title and an icon (drawn in the tab bar's colours, so only
// its shape and alpha count).
class TabBarItem final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabBarItem)

public:
    explicit TabBarItem(QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon& icon);

signals:
    void changed();

private:
    QString m_title;
    QIcon m_icon;
};
