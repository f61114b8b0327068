#include "Icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kSide = 30;

// Paints the picture afresh at whatever size and density it is asked for, so that it is sharp on
// every screen instead of a bitmap scaled up.
class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(std::function<void(QPainter&)> paint) : m_paint(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / qreal(kSide), rect.height() / qreal(kSide));
        m_paint(*painter);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new PaintedIconEngine(m_paint); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(kSide, kSide)}; }

private:
    std::function<void(QPainter&)> m_paint;
};

QIcon draw(std::function<void(QPainter&)> paint) {
    return QIcon(new PaintedIconEngine(std::move(paint)));
}

QPen strokePen(qreal width) {
    QPen pen(Qt::black, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

QIcon Icons::converter() {
    return draw([](QPainter& p) {
        p.setPen(strokePen(2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(6, 2, 18, 26), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(9, 5.5, 12, 5));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                p.drawEllipse(QPointF(10.5 + column * 4.5, 15 + row * 4.5), 1.6, 1.6);
    });
}

QIcon Icons::currencies() {
    return draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int row = 0; row < 3; ++row) {
            const qreal y = 7 + row * 8;
            p.drawEllipse(QPointF(6, y), 2.5, 2.5);
            p.drawRoundedRect(QRectF(11, y - 1.5, 16, 3), 1.5, 1.5);
        }
    });
}

QIcon Icons::setup() {
    return draw([](QPainter& p) {
        const QPointF centre(15, 15);
        QPainterPath gear;
        constexpr int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const qreal angle = i * std::numbers::pi / teeth;
            const qreal radius = (i % 2 == 0) ? 12.5 : 9.5;
            // Each tooth and gap is a short arc; two points per step give the teeth flat tops.
            for (qreal offset : {-0.18, 0.18}) {
                const QPointF point(centre.x() + radius * std::cos(angle + offset),
                                    centre.y() + radius * std::sin(angle + offset));
                if (gear.elementCount() == 0)
                    gear.moveTo(point);
                else
                    gear.lineTo(point);
            }
        }
        gear.closeSubpath();
        gear.addEllipse(centre, 4, 4); // the hole, cut out by the odd-even fill
        gear.setFillRule(Qt::OddEvenFill);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(gear);
    });
}

QIcon Icons::help() {
    return draw([](QPainter& p) {
        p.setPen(strokePen(2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(15, 15), 12, 12);
        QPainterPath mark;
        mark.moveTo(11, 11.5);
        mark.cubicTo(11, 6.5, 19.5, 6.5, 19.5, 11.5);
        mark.cubicTo(19.5, 14.5, 15, 14.5, 15, 18);
        p.setPen(strokePen(2.4));
        p.drawPath(mark);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(15, 22), 1.6, 1.6);
    });
}

QIcon Icons::more() {
    return draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(6 + i * 9, 15), 3, 3);
    });
}

QIcon Icons::refresh() {
    return draw([](QPainter& p) {
        const QRectF circle(5.5, 5.5, 19, 19);
        p.setPen(strokePen(2.4));
        p.setBrush(Qt::NoBrush);
        // An open circle from the top round to the right (Qt angles: 1/16 degree, counter-clockwise).
        p.drawArc(circle, 60 * 16, 290 * 16);
        // The arrow head at the open end, pointing along the turn.
        const qreal angle = 60 * std::numbers::pi / 180;
        const QPointF tip(15 + 9.5 * std::cos(angle), 15 - 9.5 * std::sin(angle));
        QPainterPath head;
        head.moveTo(tip + QPointF(-5.5, -3.5));
        head.lineTo(tip + QPointF(1.5, 1));
        head.lineTo(tip + QPointF(-1.5, 6.5));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(head);
    });
}

QIcon Icons::add() {
    return draw([](QPainter& p) {
        p.setPen(strokePen(2.4));
        p.drawLine(QPointF(15, 6), QPointF(15, 24));
        p.drawLine(QPointF(6, 15), QPointF(24, 15));
    });
}

QIcon Icons::checkmark() {
    return draw([](QPainter& p) {
        p.setPen(strokePen(3));
        QPainterPath tick;
        tick.moveTo(7, 15.5);
        tick.lineTo(12.5, 21);
        tick.lineTo(23.5, 9);
        p.drawPath(tick);
    });
}

QIcon Icons::pin() {
    return draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(15, 9), 6.5, 6.5);             // the head
        p.drawRoundedRect(QRectF(8, 14, 14, 3.5), 1.5, 1.5); // the collar
        p.setPen(strokePen(2.4));
        p.drawLine(QPointF(15, 17), QPointF(15, 27)); // the needle
    });
}

QPixmap Icons::tinted(const QIcon& icon, const QSize& size, const QColor& color, qreal devicePixelRatio) {
    QPixmap pixmap = icon.pixmap(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), pixmap.deviceIndependentSize()), color);
    return pixmap;
}
