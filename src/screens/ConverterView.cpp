#include "ConverterView.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr qreal kPanelRadius = 10;
const QColor kPlainBackground(0x2b, 0x30, 0x36);
} // namespace

ConverterView::ConverterView(QWidget* parent) : QWidget(parent) {
    // Painted entirely here; nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ConverterView::setBackgroundPattern(const QPixmap& pattern) {
    m_pattern = pattern;
    update();
}

void ConverterView::setPanels(const QList<QRectF>& panels) {
    m_panels = panels;
    update();
}

void ConverterView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_pattern.isNull())
        painter.fillRect(event->rect(), kPlainBackground);
    else
        painter.fillRect(event->rect(), QBrush(m_pattern));

    painter.setRenderHint(QPainter::Antialiasing);
    for (const QRectF& panel : m_panels) {
        // A dark rim under the panel, as if it were set into the case.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRoundedRect(panel.translated(0, 1.5), kPanelRadius, kPanelRadius);
        QLinearGradient face(panel.topLeft(), panel.bottomLeft());
        face.setColorAt(0, QColor(0xf4, 0xf6, 0xf0));
        face.setColorAt(1, QColor(0xdf, 0xe4, 0xda));
        painter.setBrush(face);
        painter.setPen(QPen(QColor(0x14, 0x17, 0x1a), 1));
        painter.drawRoundedRect(panel, kPanelRadius, kPanelRadius);
    }
}
