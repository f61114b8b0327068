#pragma once

#include <QString>

class TextField;

// What a text field asks its delegate. Every answer defaults to allowing.
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;

    // Whether the edit that replaces `length` characters from `location` of the field's text by
    // `replacement` may happen; refusing leaves the text as it was. Typing, deleting, pasting,
    // cutting and undoing all come here. While this runs, field->text() is still the text before the
    // edit, so the whole candidate is field->text().replace(location, length, replacement).
    virtual bool shouldChangeCharactersInRange(TextField* field, int location, int length,
                                               const QString& replacement) {
        (void)field;
        (void)location;
        (void)length;
        (void)replacement;
        return true;
    }
    // Return or Enter was pressed in the field. The answer tells whether the field should go on with
    // its own handling of the key (announcing returnPressed).
    virtual bool textFieldShouldReturn(TextField* field) {
        (void)field;
        return true;
    }
    virtual void textFieldDidBeginEditing(TextField* field) { (void)field; }
    virtual void textFieldDidEndEditing(TextField* field) { (void)field; }
};
