#pragma once

#include <QLineEdit>

class TextFieldDelegate;

// A one-line text field in the phone style (no frame, transparent, for rows and screens) whose
// delegate may refuse any edit before it happens, judged on the whole text it would produce, and is
// told of Return and of editing beginning and ending.
class TextField final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextField)

public:
    explicit TextField(QWidget* parent = nullptr);
    ~TextField() override;

    // Not owned; it must outlive the field or be unset first.
    TextFieldDelegate* delegate() const { return m_delegate; }
    void setDelegate(TextFieldDelegate* delegate) { m_delegate = delegate; }

    // While the delegate judges an edit, the text before it; otherwise the text shown.
    QString text() const;
    // Sets the text without asking the delegate (it is the program's change, not the user's).
    void setText(const QString& text);

    void setTextColor(const QColor& color);

    // Keyboard focus, in the words of the phone platform. becomeFirstResponder() answers false for
    // a disabled field.
    bool becomeFirstResponder();
    void resignFirstResponder();
    bool isFirstResponder() const { return hasFocus(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TextFieldEditGuard;
    bool allowsEdit(const QString& candidate, int cursor);

    TextFieldDelegate* m_delegate = nullptr;
    QString m_acceptedText; // the text as of the last change that went through
    bool m_settingText = false;
    bool m_judging = false;
};
