#include "TabBarItem.h"

TabBarItem::TabBarItem(QObject* parent) : QObject(parent) {}

void TabBarItem::setTitle(const QString& title) {
    m_title = title;
    emit changed();
}

void TabBarItem::setIcon(const QIcon& icon) {
    m_icon = icon;
    emit changed();
}
