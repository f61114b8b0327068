#pragma once

#include "FocusRingButton.h"
#include "TabBarItem.h"

#include <QPointer>

// One tab of a tab bar: the item's icon over its title, tinted when selected.
class TabBarButton final : public FocusRingButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabBarButton)

public:
    explicit TabBarButton(TabBarItem* item, QWidget* parent = nullptr);

    TabBarItem* item() const { return m_item; }
    QSize sizeHint() const override;
    // Whether the title is shown cut at the present width.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void syncWithItem();
    QRect titleArea() const;
    QString shownTitle() const;

    QPointer<TabBarItem> m_item;
};
