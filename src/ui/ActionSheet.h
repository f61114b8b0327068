#pragma once

#include "ActionSheetDelegate.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVariantAnimation>
#include <QWidget>
#include <memory>

class Button;
class Label;
class QAbstractButton;

// A choice that slides up from the bottom of a window, which dims: a title, the destructive button
// in red, the other buttons, and the cancel button set apart below them. Button indexes run in
// that order from 0 (destructive, others, cancel). A button or Escape (cancel) dismisses it; the
// delegate and `clicked` hear of it once.
class ActionSheet final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActionSheet)

public:
    // Empty titles leave those buttons out.
    explicit ActionSheet(const QString& title, const QString& cancelButtonTitle = {},
                         const QString& destructiveButtonTitle = {},
                         const QStringList& otherButtonTitles = {}, QWidget* parent = nullptr);
    ~ActionSheet() override;

    QString title() const;
    int numberOfButtons() const { return int(m_buttons.size()); }
    QString buttonTitleAtIndex(int index) const;
    QAbstractButton* buttonAtIndex(int index) const;                        // for tests and accessibility
    int cancelButtonIndex() const { return m_cancelButtonIndex; }           // -1: none
    int destructiveButtonIndex() const { return m_destructiveButtonIndex; } // -1: none

    ActionSheetDelegate* delegate() const { return m_delegate; }
    void setDelegate(ActionSheetDelegate* delegate) { m_delegate = delegate; } // not owned

    // Slides up over the window of `view` (or the key AppWindow when null), as its child widget.
    void showInView(QWidget* view);
    // Hands the sheet to the window of `view`, which deletes it after it has been dismissed.
    static ActionSheet* present(std::unique_ptr<ActionSheet> sheet, QWidget* view);
    // Tells the delegate and emits clicked, then slides away and emits dismissed. Only the first
    // call while the sheet is shown counts.
    void dismissWithClickedButtonIndex(int index, bool animated);

signals:
    void clicked(int index);
    void dismissed(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    int addButton(const QString& title);
    void layoutSheet();
    void finishDismissal(int index);

    Label* m_title;           // child widget
    QList<Button*> m_buttons; // child widgets
    int m_cancelButtonIndex = -1;
    int m_destructiveButtonIndex = -1;
    ActionSheetDelegate* m_delegate = nullptr;
    bool m_deleteWhenDismissed = false;
    bool m_dismissing = false;
    int m_dismissedIndex = -1;
    QVariantAnimation m_slide; // 0: out of sight below the window, 1: in place
    QRect m_mainGroup;
    QRect m_cancelGroup;
    QPointer<QWidget> m_focusBefore;
};
