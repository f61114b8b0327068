#include "SectionIndex.h"

#include "Theme.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kMargin = 6;
constexpr qreal kMaxSlot = 16.0;
} // namespace

QRectF SectionIndex::area(const QSize& viewport) const {
    return QRectF(viewport.width() - kWidth, 0, kWidth, viewport.height());
}

// Each title's height: as much as fits, at most a comfortable finger's step.
qreal SectionIndex::slot(const QSize& viewport) const {
    if (m_titles.isEmpty())
        return 0;
    const qreal available = viewport.height() - 2 * kMargin;
    return std::min(kMaxSlot, available / m_titles.size());
}

QRect SectionIndex::rectForTitle(int index, const QSize& viewport) const {
    if (index < 0 || index >= m_titles.size())
        return {};
    const qreal height = slot(viewport);
    const QRectF band = area(viewport);
    const qreal top = (band.height() - height * m_titles.size()) / 2;
    return QRectF(band.left(), top + height * index, band.width(), height).toRect();
}

int SectionIndex::titleAt(int y, const QSize& viewport) const {
    const qreal height = slot(viewport);
    if (height <= 0)
        return -1;
    const qreal top = (viewport.height() - height * m_titles.size()) / 2;
    return std::clamp(int(std::floor((y - top) / height)), 0, int(m_titles.size()) - 1);
}

void SectionIndex::paint(QPainter& painter, const QSize& viewport) const {
    if (m_titles.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_tracking) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(area(viewport).adjusted(5, 2, -5, -2), 10, 10);
    }
    const QFont font = Theme::boldSystemFont(std::clamp(int(slot(viewport)) - 2, 6, 12));
    painter.setFont(font);
    painter.setPen(Theme::tintColor());
    for (int i = 0; i < m_titles.size(); ++i)
        painter.drawText(rectForTitle(i, viewport), Qt::AlignCenter, m_titles[i]);
}
