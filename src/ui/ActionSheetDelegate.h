#pragma once

class ActionSheet;

// Told which button dismissed an action sheet.
class ActionSheetDelegate {
public:
    virtual ~ActionSheetDelegate() = default;
    virtual void clickedButtonAtIndex(ActionSheet* sheet, int index) = 0;
};
