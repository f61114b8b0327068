#include "FocusRingButton.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// Qt gives the focus away "by Tab" also when the focused widget goes (a screen popped after a click
// on Save), so the reason alone does not tell that the user moved the focus by keyboard. This notes
// whether the user's last press was a key that moves the focus: Tab, Backtab or a mnemonic.
class FocusKeyWatcher final : public QObject {
public:
    using QObject::QObject;

    static bool lastPressMovedFocus() {
        static FocusKeyWatcher* const watcher = [] {
            auto* created = new FocusKeyWatcher(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(created);
            return created;
        }();
        return watcher->m_focusKey;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            m_focusKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                         (key->modifiers() & Qt::AltModifier);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            m_focusKey = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_focusKey = false;
};

} // namespace

FocusRingButton::FocusRingButton(QWidget* parent) : QAbstractButton(parent) {
    FocusKeyWatcher::lastPressMovedFocus(); // watching from the first button on
}

void FocusRingButton::focusInEvent(QFocusEvent* event) {
    const bool keyboardReason = event->reason() == Qt::TabFocusReason ||
                                event->reason() == Qt::BacktabFocusReason ||
                                event->reason() == Qt::ShortcutFocusReason;
    m_keyboardFocus = keyboardReason && FocusKeyWatcher::lastPressMovedFocus();
    QAbstractButton::focusInEvent(event);
}

void FocusRingButton::focusOutEvent(QFocusEvent* event) {
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}
