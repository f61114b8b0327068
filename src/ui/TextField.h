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

    // AllCharacters turns every letter the user enters (typed, pasted, dropped) into a capital before
    // the delegate judges the edit; text set by the program stays as it is.
    enum class Autocapitalization { None, AllCharacters };
    Autocapitalization autocapitalization() const { return m_autocapitalization; }
    void setAutocapitalization(Autocapitalization type) { m_autocapitalization = type; }

    // When set, the decimal keys ("." and "," on the main keyboard and on the keypad) enter this
    // separator, so that a number can be typed the same way in every locale.
    QString decimalSeparator() const { return m_decimalSeparator; }
    void setDecimalSeparator(const QString& separator) { m_decimalSeparator = separator; }

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
    bool allowsEdit(QString& candidate, int cursor);
    bool isDecimalKey(const QKeyEvent* event) const;

    TextFieldDelegate* m_delegate = nullptr;
    QString m_acceptedText; // the text as of the last change that went through
    bool m_settingText = false;
    bool m_judging = false;
    Autocapitalization m_autocapitalization = Autocapitalization::None;
    QString m_decimalSeparator;
};
