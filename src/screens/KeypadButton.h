#pragma once

#include <QAbstractButton>
#include <QPointF>

// One key of the converter's keypad, drawn like a pocket calculator's: a raised key that sinks and
// darkens while it is down (pressed by the mouse, or held on the keyboard through setDown()).
class KeypadButton final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeypadButton)

public:
    enum class Kind { Digit, Function };

    explicit KeypadButton(const QString& title, Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    QPointF titleShadowOffset() const { return m_titleShadowOffset; }
    void setTitleShadowOffset(const QPointF& offset);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The base class repaints synchronously on press and again before it reports a click; here the
    // pressed look is drawn on the next pass of the event loop, so painting never holds up a key.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_tracking = false; // the mouse went down on this key and has not come up yet
    Kind m_kind;
    QPointF m_titleShadowOffset;
};
