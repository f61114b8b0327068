#pragma once

#include <QObject>

class QFocusEvent;

// Whether the keyboard brought the focus. Qt gives the focus away "by Tab" also when the focused
// widget goes (a screen popped after a click on Save), so the reason alone does not tell that the user
// moved the focus by keyboard. An application-wide filter notes whether the user's last press was a
// key that moves the focus: Tab, Backtab or a mnemonic.
class KeyboardFocus final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardFocus)

public:
    // Starts watching the presses; call before the first focus event that matters.
    static void watch();
    // A focus-in event that the user's Tab, Backtab or shortcut caused.
    static bool cameByKeyboard(const QFocusEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyboardFocus(QObject* parent);
    static KeyboardFocus* instance();

    bool m_focusKey = false;
};
