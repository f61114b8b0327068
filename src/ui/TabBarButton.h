#pragma once

#include "TabBarItem.h"

#include <QAbstractButton>
#include <QPointer>

// One tab of a tab bar: the item's icon over its title, tinted when selected.
class TabBarButton final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabBarButton)

public:
    explicit TabBarButton(TabBarItem* item, QWidget* parent = nullptr);

    TabBarItem* item() const { return m_item; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void syncWithItem();

    QPointer<TabBarItem> m_item;
    bool m_keyboardFocus = false; // a focus ring only when the keyboard brought the focus
};
