#pragma once

#include "BarButtonItem.h"

#include <QObject>
#include <QPointer>
#include <QString>

// What a screen shows in the navigation bar while it is on top: its title and the items of the left
// and right slots (the left one replaces the back button). An item without a QObject parent is
// adopted by this navigation item and deleted when it is replaced; an item with a parent (such as a
// controller's Edit button) stays its parent's.
class NavigationItem final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NavigationItem)

public:
    explicit NavigationItem(QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    BarButtonItem* leftBarButtonItem() const { return m_left; }
    void setLeftBarButtonItem(BarButtonItem* item);
    BarButtonItem* rightBarButtonItem() const { return m_right; }
    void setRightBarButtonItem(BarButtonItem* item);

signals:
    void changed();

private:
    void replace(QPointer<BarButtonItem>& slot, BarButtonItem* item);

    QString m_title;
    QPointer<BarButtonItem> m_left;
    QPointer<BarButtonItem> m_right;
};
