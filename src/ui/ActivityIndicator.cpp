#include "ActivityIndicator.h"

#include "Bundle.h"

#include <QPainter>

namespace {
constexpr int kSpokes = 12;
constexpr int kStepMs = 80;
} // namespace

ActivityIndicator::ActivityIndicator(QWidget* parent) : QWidget(parent), m_color(Qt::white) {
    setAccessibleName(Bundle::mainBundle().localizedString(QT_TRANSLATE_NOOP("Localizable", "In progress")));
    m_timer.setInterval(kStepMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % kSpokes;
        update();
    });
    hide();
}

void ActivityIndicator::startAnimating() {
    if (!m_timer.isActive())
        m_timer.start();
    show();
}

void ActivityIndicator::stopAnimating() {
    m_timer.stop();
    hide();
}

void ActivityIndicator::setColor(const QColor& color) {
    m_color = color;
    update();
}

QSize ActivityIndicator::sizeHint() const {
    return {14, 14};
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    const qreal outer = side / 2.0;
    const qreal inner = outer * 0.45;
    QPen pen(m_color, std::max(1.5, side / 9.0));
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < kSpokes; ++i) {
        // The spoke at the current step is brightest; those behind it fade out.
        const int age = (m_step - i + kSpokes) % kSpokes;
        QColor color = m_color;
        color.setAlphaF(float(1.0 - 0.75 * age / (kSpokes - 1)));
        pen.setColor(color);
        painter.setPen(pen);
        painter.save();
        painter.rotate(360.0 * i / kSpokes);
        painter.drawLine(QPointF(0, -inner), QPointF(0, -outer + pen.widthF() / 2));
        painter.restore();
    }
}
