#pragma once

#include "AlertViewDelegate.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class Button;
class Label;
class QAbstractButton;

// A modal message over a window: the window dims and a rounded panel in its middle shows a bold
// title, a message and the buttons (side by side when there are two, stacked otherwise). A button,
// Escape (the cancel button) or Return (the last button) dismisses it; the delegate and `clicked`
// hear of it once.
class AlertView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertView)

public:
    explicit AlertView(const QString& title = {}, const QString& message = {}, QWidget* parent = nullptr);
    ~AlertView() override;

    QString title() const;
    void setTitle(const QString& title);
    QString message() const;
    void setMessage(const QString& message);

    int addButtonWithTitle(const QString& title); // returns the new button's index, from 0
    int numberOfButtons() const { return int(m_buttons.size()); }
    QString buttonTitleAtIndex(int index) const;
    int cancelButtonIndex() const { return m_cancelButtonIndex; }
    void setCancelButtonIndex(int index); // -1: none (default)

    AlertViewDelegate* delegate() const { return m_delegate; }
    void setDelegate(AlertViewDelegate* delegate) { m_delegate = delegate; } // not owned

    // Shows the alert over its parent's window, or else the key AppWindow (or the active window),
    // becoming a child widget of that window. Without any window it shows as a window of its own.
    void show();
    // Hands the alert to its window (that of `window` when given), which deletes it after it has
    // been dismissed. Returns the alert, for tests and for setting it up further.
    static AlertView* present(std::unique_ptr<AlertView> alert, QWidget* window = nullptr);
    // Tells the delegate and emits clicked, then hides (fading out when animated) and emits
    // dismissed. Only the first call while the alert is shown counts.
    void dismissWithClickedButtonIndex(int index, bool animated);

    QAbstractButton* buttonAtIndex(int index) const; // for tests and accessibility

signals:
    void clicked(int index);
    void dismissed(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void showOver(QWidget* window);
    void layoutPanel();
    void finishDismissal(int index);
    void styleButtons();

    Label* m_title;           // child widget
    Label* m_message;         // child widget
    QList<Button*> m_buttons; // child widgets
    int m_cancelButtonIndex = -1;
    AlertViewDelegate* m_delegate = nullptr;
    bool m_deleteWhenDismissed = false;
    bool m_dismissing = false;
    QRect m_panel;
    bool m_sideBySide = false;
    QPointer<QWidget> m_focusBefore;
};
