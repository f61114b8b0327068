#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QStringList>

class QFontMetricsF;

// A one-line (or explicitly broken) text label in the phone style: its own text colour and a
// highlighted colour for selected rows, and text that never gets cut silently: when it is wider than
// the label, the font first shrinks (if allowed) down to a minimum size, and what still does not fit
// is elided. Plain text only.
class Label final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Label)

public:
    explicit Label(QWidget* parent = nullptr);
    explicit Label(const QString& text, QWidget* parent = nullptr);

    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color);
    // An invalid colour (the default) means the text colour.
    QColor highlightedTextColor() const { return m_highlightedTextColor; }
    void setHighlightedTextColor(const QColor& color);
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

    bool adjustsFontSizeToFitWidth() const { return m_adjustsFontSize; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    // In points; the font never shrinks below it.
    int minimumFontSize() const { return m_minimumFontSize; }
    void setMinimumFontSize(int pointSize);
    // A text wider than the label breaks where Unicode allows a line break onto at most this many
    // lines; only what still does not fit on the last one is elided. 1 by default.
    int numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(int lines);
    Qt::TextElideMode elideMode() const { return m_elideMode; }
    void setElideMode(Qt::TextElideMode mode);

    // What is drawn at the current width: the font after any shrinking and the text after eliding.
    QFont displayedFont() const;
    QString displayedText() const;
    // Whether the text is shown cut at the present size: elided or clipped on a line, or, when
    // wrapped, taller than the label.
    bool isElided() const;
    // Data of unbounded length (a name the user typed) may end in an ellipsis as a last resort;
    // cutTexts() leaves such a label out. Fixed texts never may.
    bool mayElide() const { return m_mayElide; }
    void setMayElide(bool may) { m_mayElide = may; }

    // A label may be narrower than its text; it shrinks or elides instead of pushing its layout.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void init();
    QString displayedText(const QFont& font) const;
    // The text's lines, each broken to the width for these metrics.
    QStringList wrappedLines(const QFontMetricsF& metrics) const;

    QColor m_textColor;
    QColor m_highlightedTextColor;
    bool m_highlighted = false;
    bool m_adjustsFontSize = false;
    bool m_mayElide = false;
    int m_minimumFontSize = 10;
    int m_numberOfLines = 1;
    Qt::TextElideMode m_elideMode = Qt::ElideRight;
};
