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
    // The key that opens this tab (none past the ninth) and the line naming the keys that step
    // through the tabs, both shown in the tooltip under the title.
    void setShortcutText(const QString& direct, const QString& stepping);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void syncWithItem();
    QRect titleArea() const;
    QString shownTitle() const;

    QPointer<TabBarItem> m_item;
    QString m_directShortcut;
    QString m_steppingShortcuts;
};
