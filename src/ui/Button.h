#pragma once

#include "FocusRingButton.h"

#include <QColor>
#include <QPixmap>

// A push button for screens such as the keypad: a background image (stretched) or colour with
// rounded corners, a title with an optional shadow, a number tag, and a visibly darker face while
// pressed.
class Button final : public FocusRingButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Button)

public:
    explicit Button(QWidget* parent = nullptr);
    explicit Button(const QString& title, QWidget* parent = nullptr);

    // The same tag that viewWithTag() finds.
    int tag() const;
    void setTag(int tag);

    QPixmap backgroundImage() const { return m_backgroundImage; }
    void setBackgroundImage(const QPixmap& image);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color);
    void setCornerRadius(qreal radius);
    QColor titleColor() const { return m_titleColor; }
    void setTitleColor(const QColor& color);
    void setTitleShadowColor(const QColor& color);
    void setTitleShadowOffset(const QPointF& offset);

    QSize sizeHint() const override;
    // Whether the title is wider than the button, so that its ends are clipped.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void init();

    QPixmap m_backgroundImage;
    QColor m_backgroundColor;
    qreal m_cornerRadius = 8;
    QColor m_titleColor;
    QColor m_titleShadowColor;
    QPointF m_titleShadowOffset;
};
