#pragma once

#include <QAbstractButton>

// A button that draws a focus ring only when the keyboard brought the focus (Tab or a shortcut),
// never after a click, as on the phone.
class FocusRingButton : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusRingButton)

public:
    explicit FocusRingButton(QWidget* parent = nullptr);

    bool showsFocusRing() const { return hasFocus() && m_keyboardFocus; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_keyboardFocus = false;
};
