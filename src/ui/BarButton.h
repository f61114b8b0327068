#pragma once

#include "BarButtonItem.h"
#include "FocusRingButton.h"

#include <QPointer>

// The widget a navigation bar makes for a BarButtonItem (following the item's changes and triggering
// it when clicked), or for the back button (a chevron and the previous screen's title).
class BarButton final : public FocusRingButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarButton)

public:
    explicit BarButton(BarButtonItem* item, QWidget* parent = nullptr);
    // A back button with `title`.
    explicit BarButton(const QString& title, QWidget* parent = nullptr);

    BarButtonItem* item() const { return m_item; }
    bool isBackButton() const { return m_back; }

    QSize sizeHint() const override;
    // Whether the title is shown cut at the present width.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void syncWithItem();
    QFont titleFont() const;
    QFont shownFont() const;
    QRect titleArea() const;
    QString shownTitle(const QFont& font) const;

    QPointer<BarButtonItem> m_item;
    bool m_back = false;
};
