#include "TableViewCell.h"

#include "Autoresizing.h"
#include "Bundle.h"
#include "Label.h"
#include "Theme.h"
#include "Views.h"

#include <QLinearGradient>
#include <QMetaProperty>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <cmath>

namespace {

constexpr int kEditControlWidth = 38; // the delete control on the left, the reorder grip on the right
constexpr int kConfirmationHeight = 30;
constexpr int kConfirmationMargin = 8;
constexpr int kConfirmationPadding = 12;
constexpr int kConfirmationMinWidth = 64;
constexpr int kIndicatorWidth = 30; // disclosure indicator and check mark
constexpr int kDetailButtonWidth = 40;
constexpr qreal kCornerRadius = 10.0;
constexpr int kFadeDurationMs = 300;

QColor blueHighlightTop() {
    return QColor(5, 140, 245);
}

QColor blueHighlightBottom() {
    return QColor(1, 94, 230);
}

QColor indicatorColor() {
    return QColor(0xc7, 0xc7, 0xcc);
}

QColor gripColor() {
    return QColor(0xb2, 0xb2, 0xb2);
}

constexpr char kHighlightedProperty[] = "highlighted";

bool hasWritableHighlightedProperty(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    const int index = meta->indexOfProperty(kHighlightedProperty);
    return index >= 0 && meta->property(index).isWritable();
}

} // namespace

TableViewCell::TableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : QWidget(parent), m_reuseIdentifier(reuseIdentifier) {
    resize(defaultWidth, Theme::rowHeight);
    m_contentView = new QWidget(this);
    m_contentView->setObjectName(QStringLiteral("contentView"));
    m_contentView->setGeometry(rect());

    m_textLabel = new Label(m_contentView);
    m_textLabel->setObjectName(QStringLiteral("textLabel"));
    m_textLabel->setFont(Theme::boldSystemFont(17));
    m_textLabel->setHighlightedTextColor(Theme::highlightedTextColor());
    m_textLabel->setGeometry(10, 0, defaultWidth - 20, Theme::rowHeight);
    // Also installs the content view's autoresizing, which the screens' own views rely on.
    Autoresizing::setMask(m_textLabel, Autoresizing::FlexibleSize);

    m_fade = new QVariantAnimation(this);
    m_fade->setDuration(kFadeDurationMs);
    connect(m_fade, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setHighlightAmount(value.toReal()); });

    m_editSlide = new QVariantAnimation(this);
    m_editSlide->setDuration(Theme::transitionDurationMs);
    m_editSlide->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_editSlide, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setEditProgress(value.toReal()); });
}

TableViewCell::~TableViewCell() = default;

void TableViewCell::setAccessoryType(AccessoryType type) {
    m_accessoryType = type;
    layoutSubviews();
}

void TableViewCell::setAccessoryOverride(std::optional<AccessoryType> type) {
    if (m_accessoryOverride == type)
        return;
    m_accessoryOverride = type;
    layoutSubviews();
}

void TableViewCell::setSelectionStyle(SelectionStyle style) {
    m_selectionStyle = style;
    setHighlightAmount(m_highlight);
}

void TableViewCell::setSelected(bool selected, bool animated) {
    m_selected = selected;
    if (selected || !animated || m_highlight <= 0.0) {
        setHighlighted(selected);
        return;
    }
    m_fade->stop();
    m_fade->setStartValue(m_highlight);
    m_fade->setEndValue(0.0);
    m_fade->start();
}

void TableViewCell::setHighlighted(bool highlighted) {
    m_fade->stop();
    setHighlightAmount(highlighted ? 1.0 : 0.0);
}

bool TableViewCell::isFading() const {
    return m_fade->state() == QAbstractAnimation::Running;
}

void TableViewCell::setHighlightAmount(qreal amount) {
    m_highlight = m_selectionStyle == SelectionStyle::None ? 0.0 : amount;
    applyHighlightedTextColors(m_highlight >= 0.5);
    update();
}

// The texts of the row turn to their highlighted colours: the kit's labels, and any other view with a
// writable "highlighted" property.
void TableViewCell::applyHighlightedTextColors(bool highlighted) {
    if (highlighted == m_textsHighlighted)
        return;
    m_textsHighlighted = highlighted;
    // Most views sit in the content view, but a cell subclass may also put its own beside it.
    const QList<QWidget*> views = findChildren<QWidget*>();
    for (QWidget* view : views) {
        if (auto* label = qobject_cast<Label*>(view))
            label->setHighlighted(highlighted);
        else if (hasWritableHighlightedProperty(view))
            view->setProperty(kHighlightedProperty, highlighted);
    }
}

void TableViewCell::setGroupPosition(GroupPosition position) {
    if (m_groupPosition == position)
        return;
    m_groupPosition = position;
    update();
}

void TableViewCell::setEditing(bool editing, bool showsDeleteControl, bool showsReorderControl,
                               bool animated) {
    // Nothing changes: let a slide that is under way (say, through a reload right after the switch) go on.
    if (editing == m_editing && (!editing || (showsDeleteControl == m_showsDeleteControl &&
                                              showsReorderControl == m_showsReorderControl)))
        return;
    // Leaving editing keeps the controls' flags so that they can slide out.
    if (editing) {
        m_showsDeleteControl = showsDeleteControl;
        m_showsReorderControl = showsReorderControl;
    }
    if (!editing || !showsDeleteControl)
        m_confirmingDelete = false;
    m_editing = editing;
    const qreal target = editing ? 1.0 : 0.0;
    m_editSlide->stop();
    if (animated && m_editProgress != target) {
        m_editSlide->setStartValue(m_editProgress);
        m_editSlide->setEndValue(target);
        m_editSlide->start();
        layoutSubviews();
    } else {
        setEditProgress(target);
    }
}

void TableViewCell::setEditProgress(qreal progress) {
    m_editProgress = progress;
    layoutSubviews();
}

void TableViewCell::setShowingDeleteConfirmation(bool showing) {
    m_confirmingDelete = showing && isShowingDeleteControl();
    layoutSubviews();
}

int TableViewCell::accessoryWidth() const {
    switch (displayedAccessoryType()) {
    case AccessoryType::None:
        return 0;
    case AccessoryType::DisclosureIndicator:
    case AccessoryType::Checkmark:
        return kIndicatorWidth;
    case AccessoryType::DetailDisclosureButton:
        return kDetailButtonWidth;
    }
    return 0;
}

QRect TableViewCell::mirrored(const QRect& leftToRight) const {
    return leftToRight.isEmpty() ? leftToRight : visualRect(this, rect(), leftToRight);
}

QRect TableViewCell::deleteControlRect() const {
    if (!m_showsDeleteControl || m_editProgress <= 0.0)
        return {};
    const int left = int(std::lround(kEditControlWidth * m_editProgress)) - kEditControlWidth;
    return mirrored(QRect(left, 0, kEditControlWidth, height()));
}

QRect TableViewCell::deleteConfirmationRect() const {
    return mirrored(leftToRightDeleteConfirmationRect());
}

QRect TableViewCell::reorderControlRect() const {
    return mirrored(leftToRightReorderControlRect());
}

QRect TableViewCell::accessoryRect() const {
    return mirrored(leftToRightAccessoryRect());
}

QRect TableViewCell::leftToRightDeleteConfirmationRect() const {
    if (!m_confirmingDelete)
        return {};
    const int textWidth = QFontMetrics(Theme::boldSystemFont(15)).horizontalAdvance(deleteTitle());
    const int w = std::max(kConfirmationMinWidth, textWidth + 2 * kConfirmationPadding);
    return QRect(width() - kConfirmationMargin - w, (height() - kConfirmationHeight) / 2, w,
                 kConfirmationHeight);
}

QRect TableViewCell::leftToRightReorderControlRect() const {
    if (!m_showsReorderControl || m_editProgress <= 0.0 || m_confirmingDelete)
        return {};
    return QRect(width() - int(std::lround(kEditControlWidth * m_editProgress)), 0, kEditControlWidth,
                 height());
}

QRect TableViewCell::leftToRightAccessoryRect() const {
    const int w = accessoryWidth();
    if (w == 0 || m_confirmingDelete)
        return {};
    const int grip = m_showsReorderControl ? int(std::lround(kEditControlWidth * m_editProgress)) : 0;
    return QRect(width() - grip - w, 0, w, height());
}

QRect TableViewCell::contentRect() const {
    const int left = m_showsDeleteControl ? int(std::lround(kEditControlWidth * m_editProgress)) : 0;
    int right = width();
    if (m_confirmingDelete) {
        right = leftToRightDeleteConfirmationRect().left() - kConfirmationMargin / 2;
    } else {
        const QRect accessory = leftToRightAccessoryRect();
        const QRect grip = leftToRightReorderControlRect();
        if (!accessory.isEmpty())
            right = accessory.left();
        else if (!grip.isEmpty())
            right = grip.left();
    }
    return visualRect(this, rect(), QRect(left, 0, std::max(0, right - left), height()));
}

void TableViewCell::layoutSubviews() {
    const QRect content = contentRect();
    if (m_contentView->geometry() != content) {
        m_contentView->setGeometry(content);
        // A hidden cell gets its resize event only when shown; its views must follow now.
        Autoresizing::layoutChildren(m_contentView);
    }
    update();
}

void TableViewCell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutSubviews();
}

QString TableViewCell::deleteTitle() const {
    return Bundle::mainBundle().localizedString(QT_TRANSLATE_NOOP("Localizable", "Delete"));
}

QPainterPath TableViewCell::backgroundPath() const {
    const QRectF b = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool roundTop = m_groupPosition == GroupPosition::Top || m_groupPosition == GroupPosition::Single;
    const bool roundBottom =
        m_groupPosition == GroupPosition::Bottom || m_groupPosition == GroupPosition::Single;
    const qreal r = kCornerRadius;
    QPainterPath path;
    if (roundTop) {
        path.moveTo(b.left(), b.top() + r);
        path.arcTo(QRectF(b.left(), b.top(), 2 * r, 2 * r), 180, -90);
        path.lineTo(b.right() - r, b.top());
        path.arcTo(QRectF(b.right() - 2 * r, b.top(), 2 * r, 2 * r), 90, -90);
    } else {
        path.moveTo(b.left(), b.top());
        path.lineTo(b.right(), b.top());
    }
    if (roundBottom) {
        path.lineTo(b.right(), b.bottom() - r);
        path.arcTo(QRectF(b.right() - 2 * r, b.bottom() - 2 * r, 2 * r, 2 * r), 0, -90);
        path.lineTo(b.left() + r, b.bottom());
        path.arcTo(QRectF(b.left(), b.bottom() - 2 * r, 2 * r, 2 * r), 270, -90);
    } else {
        path.lineTo(b.right(), b.bottom());
        path.lineTo(b.left(), b.bottom());
    }
    path.closeSubpath();
    return path;
}

void TableViewCell::paintBackground(QPainter& painter) const {
    QBrush highlight;
    if (m_selectionStyle == SelectionStyle::Blue) {
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, blueHighlightTop());
        gradient.setColorAt(1, blueHighlightBottom());
        highlight = QBrush(gradient);
    } else {
        highlight = QBrush(Theme::selectedRowColor());
    }

    if (m_groupPosition == GroupPosition::Plain) {
        painter.fillRect(rect(), Theme::plainBackgroundColor());
        if (m_highlight > 0.0) {
            painter.setOpacity(m_highlight);
            painter.fillRect(rect(), highlight);
            painter.setOpacity(1.0);
        }
        painter.fillRect(QRect(0, height() - 1, width(), 1), Theme::separatorColor());
        return;
    }

    const QPainterPath path = backgroundPath();
    painter.fillPath(path, Theme::plainBackgroundColor());
    if (m_highlight > 0.0) {
        painter.setOpacity(m_highlight);
        painter.fillPath(path, highlight);
        painter.setOpacity(1.0);
    }
    // The row above draws the line between two rows, so only the first row of a group draws its top.
    painter.save();
    if (m_groupPosition == GroupPosition::Middle || m_groupPosition == GroupPosition::Bottom)
        painter.setClipRect(rect().adjusted(0, 1, 0, 0));
    painter.setPen(QPen(Theme::separatorColor(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void TableViewCell::paintAccessory(QPainter& painter) const {
    const QRect area = accessoryRect();
    if (area.isEmpty())
        return;
    const bool onHighlight = m_highlight >= 0.5 && m_selectionStyle == SelectionStyle::Blue;
    const QPointF c = QRectF(area).center();
    // Chevrons point the way the row reads on: to the left in a row laid out right to left.
    const qreal ahead = isRightToLeft() ? -1.0 : 1.0;
    QPen pen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setBrush(Qt::NoBrush);
    switch (displayedAccessoryType()) {
    case AccessoryType::None:
        break;
    case AccessoryType::DisclosureIndicator:
        pen.setColor(onHighlight ? Theme::highlightedTextColor() : indicatorColor());
        painter.setPen(pen);
        painter.drawPolyline(QPolygonF(
            {c + QPointF(-3 * ahead, -6.5), c + QPointF(3 * ahead, 0), c + QPointF(-3 * ahead, 6.5)}));
        break;
    case AccessoryType::Checkmark:
        pen.setColor(onHighlight ? Theme::highlightedTextColor() : Theme::tintColor());
        painter.setPen(pen);
        painter.drawPolyline(QPolygonF({c + QPointF(-7, 0), c + QPointF(-2.5, 5), c + QPointF(7, -6)}));
        break;
    case AccessoryType::DetailDisclosureButton:
        painter.setPen(QPen(Theme::highlightedTextColor(), 1.5));
        painter.setBrush(Theme::tintColor());
        painter.drawEllipse(c, 12, 12);
        pen.setColor(Theme::highlightedTextColor());
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(
            QPolygonF({c + QPointF(-2 * ahead, -5), c + QPointF(3 * ahead, 0), c + QPointF(-2 * ahead, 5)}));
        break;
    }
}

void TableViewCell::paintEditingControls(QPainter& painter) const {
    const QRect deleteControl = deleteControlRect();
    if (!deleteControl.isEmpty()) {
        const QPointF c = QRectF(deleteControl).center();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::destructiveColor());
        painter.drawEllipse(c, 11, 11);
        painter.setBrush(Theme::highlightedTextColor());
        // The bar turns upright while the row asks for confirmation.
        const QRectF bar = m_confirmingDelete ? QRectF(c.x() - 1.5, c.y() - 6, 3, 12)
                                              : QRectF(c.x() - 6, c.y() - 1.5, 12, 3);
        painter.drawRect(bar);
    }
    const QRect confirmation = deleteConfirmationRect();
    if (!confirmation.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::destructiveColor());
        painter.drawRoundedRect(QRectF(confirmation), 6, 6);
        painter.setPen(Theme::highlightedTextColor());
        painter.setFont(Theme::boldSystemFont(15));
        painter.drawText(confirmation, Qt::AlignCenter, deleteTitle());
    }
    const QRect grip = reorderControlRect();
    if (!grip.isEmpty()) {
        const QPoint c = grip.center();
        for (int dy : {-5, 0, 5})
            painter.fillRect(QRect(c.x() - 9, c.y() + dy - 1, 18, 2), gripColor());
    }
}

void TableViewCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    paintAccessory(painter);
    paintEditingControls(painter);
}
