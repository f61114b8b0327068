#pragma once

class QWidget;

// Where alerts and action sheets go: over a whole window, as a child widget that covers it.
class OverlayHost final {
public:
    OverlayHost() = delete;

    // The window of `near` if given; otherwise the key AppWindow; otherwise the active window;
    // nullptr when there is none.
    static QWidget* windowFor(QWidget* near);
    // Makes `overlay` a child of `window` covering all of it (also after resizes), on top.
    static void cover(QWidget* overlay, QWidget* window);
    // Shows `overlay` over `window` (or on its own, window-sized, without one) with the keyboard focus,
    // and answers the widget that had the focus before, to be given it back when the overlay goes.
    static QWidget* showOver(QWidget* overlay, QWidget* window);
};
