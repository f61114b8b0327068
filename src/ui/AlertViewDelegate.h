#pragma once

class AlertView;

// Told which button dismissed an alert.
class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    virtual void clickedButtonAtIndex(AlertView* alert, int index) = 0;
};
