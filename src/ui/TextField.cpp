#include "TextField.h"

#include "TextFieldDelegate.h"
#include "Theme.h"

#include <QKeyEvent>
#include <QPointer>
#include <QValidator>

// QLineEdit hands every edit (typed, deleted, pasted, cut, undone) to its validator with the text it
// would produce, and undoes the edit when the validator calls it invalid. That is the one place
// where all edits pass, so the delegate is asked from here.
class TextFieldEditGuard final : public QValidator {
public:
    explicit TextFieldEditGuard(TextField* field) : QValidator(field), m_field(field) {}

    State validate(QString& input, int& pos) const override {
        return m_field->allowsEdit(input, pos) ? Acceptable : Invalid;
    }

private:
    TextField* m_field; // the parent
};

namespace {

// The range of `before` that was replaced, and by what, to give `after`. The cursor ends up just
// behind what was inserted (or where something was deleted), which settles which of several equal
// characters took part.
struct Edit {
    int location;
    int length;
    QString replacement;
};

Edit differenceOf(const QString& before, const QString& after, int cursor) {
    const int shorter = int(std::min(before.size(), after.size()));
    int suffix = 0;
    while (suffix < shorter && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    suffix = std::min(suffix, std::max(0, int(after.size()) - cursor));
    int prefix = 0;
    while (prefix < shorter - suffix && before[prefix] == after[prefix])
        ++prefix;
    return {prefix, int(before.size()) - prefix - suffix, after.mid(prefix, after.size() - prefix - suffix)};
}

} // namespace

TextField::TextField(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setFont(Theme::systemFont(17));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, Theme::labelColor());
    palette.setColor(QPalette::Disabled, QPalette::Text, Theme::grayColor());
    palette.setColor(QPalette::Highlight, Theme::tintColor());
    setPalette(palette);
    setValidator(new TextFieldEditGuard(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { m_acceptedText = text; });
}

TextField::~TextField() = default;

QString TextField::text() const {
    return m_judging ? m_acceptedText : QLineEdit::text();
}

void TextField::setText(const QString& text) {
    m_settingText = true;
    QLineEdit::setText(text);
    m_settingText = false;
    m_acceptedText = QLineEdit::text();
}

void TextField::setTextColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, color);
    // A disabled field must not look like one the user can type in.
    palette.setColor(QPalette::Disabled, QPalette::Text, Theme::grayColor());
    setPalette(palette);
}

bool TextField::allowsEdit(QString& candidate, int cursor) {
    if (m_settingText)
        return true;
    if (m_autocapitalization == Autocapitalization::AllCharacters) {
        // One character for one, so the cursor stays where it was.
        for (QChar& c : candidate)
            c = c.toUpper();
    }
    if (!m_delegate || m_judging || candidate == m_acceptedText)
        return true;
    const Edit edit = differenceOf(m_acceptedText, candidate, cursor);
    m_judging = true;
    const bool allowed =
        m_delegate->shouldChangeCharactersInRange(this, edit.location, edit.length, edit.replacement);
    m_judging = false;
    return allowed;
}

bool TextField::becomeFirstResponder() {
    if (!isEnabled())
        return false;
    setFocus(Qt::OtherFocusReason);
    return true;
}

void TextField::resignFirstResponder() {
    clearFocus();
}

bool TextField::isDecimalKey(const QKeyEvent* event) const {
    if ((event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != Qt::NoModifier)
        return false;
    const QString text = event->text();
    return event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma || text == QStringLiteral(".") ||
           text == QStringLiteral(",");
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (!m_decimalSeparator.isEmpty() && !isReadOnly() && isDecimalKey(event)) {
        insert(m_decimalSeparator);
        event->accept();
        return;
    }
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isReturn || !m_delegate) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QPointer<TextField> alive(this);
    const bool goOn = m_delegate->textFieldShouldReturn(this);
    if (alive && goOn)
        QLineEdit::keyPressEvent(event);
    event->accept(); // the delegate had the key; it does not also go to the screen around
}

void TextField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_delegate)
        m_delegate->textFieldDidBeginEditing(this);
}

void TextField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (m_delegate)
        m_delegate->textFieldDidEndEditing(this);
}
