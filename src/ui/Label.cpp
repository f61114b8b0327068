#include "Label.h"

#include "Theme.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>

namespace {

qreal widestLine(const QStringList& lines, const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// `line` broken where Unicode allows a line break (between words, after a hyphen, between most
// Chinese and Japanese characters) into lines no wider than `available`, at most `maxLines` of them;
// the last line takes the rest. A word wider than the line stays whole (the elision deals with it).
QStringList wrapped(const QString& line, const QFontMetricsF& metrics, qreal available, int maxLines) {
    QStringList lines;
    QString rest = line;
    while (lines.size() + 1 < maxLines && metrics.horizontalAdvance(rest) > available) {
        qsizetype cut = -1;
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, rest);
        for (qsizetype i = breaks.toNextBoundary(); i > 0 && i < rest.size(); i = breaks.toNextBoundary()) {
            if (metrics.horizontalAdvance(rest.left(i).trimmed()) > available)
                break;
            cut = i;
        }
        if (cut < 0)
            break;
        lines << rest.left(cut).trimmed();
        rest = rest.mid(cut);
    }
    lines << rest;
    return lines;
}

} // namespace

Label::Label(QWidget* parent) : QLabel(parent) {
    init();
}

Label::Label(const QString& text, QWidget* parent) : QLabel(text, parent) {
    init();
}

void Label::init() {
    m_textColor = Theme::labelColor();
    setTextFormat(Qt::PlainText);
    setFont(Theme::systemFont(17));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void Label::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void Label::setHighlightedTextColor(const QColor& color) {
    m_highlightedTextColor = color;
    update();
}

void Label::setHighlighted(bool highlighted) {
    m_highlighted = highlighted;
    update();
}

void Label::setAdjustsFontSizeToFitWidth(bool adjusts) {
    m_adjustsFontSize = adjusts;
    update();
}

void Label::setMinimumFontSize(int pointSize) {
    m_minimumFontSize = pointSize;
    update();
}

void Label::setNumberOfLines(int lines) {
    m_numberOfLines = std::max(1, lines);
    update();
}

void Label::setElideMode(Qt::TextElideMode mode) {
    m_elideMode = mode;
    update();
}

QFont Label::displayedFont() const {
    QFont shown = Theme::fontForText(font(), text());
    if (!m_adjustsFontSize)
        return shown;
    const QStringList lines = text().split(u'\n');
    const qreal available = contentsRect().width();
    for (int size = pixelSizeOf(shown); size > m_minimumFontSize; --size) {
        if (widestLine(lines, shown) <= available)
            return shown;
        shown.setPixelSize(size - 1);
    }
    return shown;
}

QString Label::displayedText() const {
    return displayedText(displayedFont());
}

QString Label::displayedText(const QFont& font) const {
    if (m_elideMode == Qt::ElideNone)
        return text();
    const QFontMetricsF metrics(font);
    const qreal available = contentsRect().width();
    QStringList lines = wrappedLines(metrics);
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) > available)
            line = metrics.elidedText(line, m_elideMode, available);
    }
    return lines.join(u'\n');
}

QStringList Label::wrappedLines(const QFontMetricsF& metrics) const {
    QStringList lines;
    for (const QString& line : text().split(u'\n'))
        lines << wrapped(line, metrics, contentsRect().width(), m_numberOfLines);
    return lines;
}

bool Label::isElided() const {
    if (text().isEmpty())
        return false;
    if (wordWrap())
        return heightForWidth(width()) > height();
    const QFont font = displayedFont();
    return widestLine(wrappedLines(QFontMetricsF(font)), font) > contentsRect().width();
}

QSize Label::minimumSizeHint() const {
    const QSize hint = QLabel::minimumSizeHint();
    return {std::min(hint.width(), QFontMetrics(font()).height()), hint.height()};
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor color = (m_highlighted && m_highlightedTextColor.isValid()) ? m_highlightedTextColor : m_textColor;
    if (!isEnabled())
        color.setAlphaF(color.alphaF() * 0.4f);
    painter.setPen(color);
    // A text that starts right to left (an Arabic name, a date formatted for Arabic) reads right to
    // left, at the edge the label's alignment gives it; a left-to-right paragraph would tear a date
    // such as "8<RLM>/12<RLM>/2026، 9:29 ص" apart.
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::AlignAbsolute);
    painter.setLayoutDirection(text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    if (wordWrap()) {
        // QLabel measures a wrapped text's height with its own font: drawn in that font, it fits.
        painter.setFont(font());
        painter.drawText(contentsRect(), flags | Qt::TextWordWrap, text());
        return;
    }
    // The fitting font is worked out once per paint and the text cut for it.
    const QFont shown = displayedFont();
    painter.setFont(shown);
    painter.drawText(contentsRect(), flags, displayedText(shown));
}
