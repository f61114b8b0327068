#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

// The one place where the kit's look is defined: colours, fonts and metrics. Sizes are in points,
// and one point is one device-independent pixel, so fonts are sized in pixels, not in typographic
// points (which would grow with the screen's DPI).
class Theme final {
public:
    Theme() = delete;

    // Metrics
    static constexpr int rowHeight = 44;
    static constexpr int navigationBarHeight = 44;
    static constexpr int tabBarHeight = 49;
    static constexpr int statusStripHeight = 20;
    static constexpr QSize windowSize{320, 480};
    static constexpr int barButtonMargin = 8;
    // Slides of navigation and modal transitions; short, so that tests that poll stay quick.
    static constexpr int transitionDurationMs = 250;
    static constexpr int fadeDurationMs = 150;

    // Fonts
    static QFont systemFont(int pointSize);
    static QFont boldSystemFont(int pointSize);
    // `font` for drawing `text`. Most sans faces (DejaVu Sans, the usual default) draw Arabic letters
    // at two thirds of the height of their Latin ones: a small Arabic text (a name in the list, a tab
    // title) grows to look as large as Latin text of the same size.
    static QFont fontForText(const QFont& font, const QString& text);

    // Colours
    static QColor tintColor();        // bar buttons, selected tab, alert buttons
    static QColor destructiveColor(); // destructive action-sheet button
    static QColor switchOnColor();
    static QColor labelColor();           // black
    static QColor highlightedTextColor(); // white, on a selected row
    static QColor grayColor();            // secondary texts
    static QColor darkGrayColor();
    static QColor lightGrayColor();
    static QColor valueTextColor();     // the blue of values in table rows
    static QColor barBackgroundColor(); // navigation and tab bars
    static QColor barHairlineColor();
    static QColor unselectedTabColor();
    static QColor statusStripColor();
    static QColor statusStripTextColor();
    static QColor groupTableViewBackgroundColor();
    static QColor plainBackgroundColor(); // white
    static QColor separatorColor();
    static QColor selectedRowColor();
    static QColor dimmingColor();        // behind alerts and action sheets
    static QColor panelColor();          // alert and action-sheet panels
    static QColor pressedOverlayColor(); // laid over a pressed control
};
