#include "NavigationItem.h"

NavigationItem::NavigationItem(QObject* parent) : QObject(parent) {}

void NavigationItem::setTitle(const QString& title) {
    m_title = title;
    emit changed();
}

void NavigationItem::setLeftBarButtonItem(BarButtonItem* item) {
    replace(m_left, item);
}

void NavigationItem::setRightBarButtonItem(BarButtonItem* item) {
    replace(m_right, item);
}

void NavigationItem::replace(QPointer<BarButtonItem>& slot, BarButtonItem* item) {
    QPointer<BarButtonItem>& other = (&slot == &m_left) ? m_right : m_left;
    if (slot && slot != item && slot->parent() == this && slot != other)
        slot->deleteLater();
    if (item && !item->parent())
        item->setParent(this);
    slot = item;
    emit changed();
}
