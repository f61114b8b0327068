#pragma once

#include "BarButton.h"

#include <QPointer>
#include <QWidget>

class Label;
class NavigationItem;

// The bar at the top of a navigation stack (44 points high): the title centred, the item's left
// button or else a back button, and the item's right button. It follows the item's changes. A screen
// without a navigation controller can use one on its own.
class NavigationBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NavigationBar)

public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // Shows `item`; a non-empty `backTitle` adds a back button (unless the item has a left button).
    void setNavigationItem(NavigationItem* item, const QString& backTitle = {});
    NavigationItem* navigationItem() const { return m_item; }

    QString title() const;
    BarButton* leftButton() const { return m_left; }
    BarButton* rightButton() const { return m_right; }
    BarButton* backButton() const;

    QSize sizeHint() const override;

signals:
    void backTriggered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void layoutContents();

    QPointer<NavigationItem> m_item;
    QString m_backTitle;
    Label* m_title; // child widget
    QPointer<BarButton> m_left;
    QPointer<BarButton> m_right;
};
