#pragma once

#include <QRect>
#include <QRectF>
#include <QStringList>

class QPainter;

// The index of section titles along a table's right edge: where each title sits in a viewport of a
// given size, which title a point is on, and how the index is drawn. It holds no rows; the table asks
// its data source which section a title jumps to.
class SectionIndex final {
public:
    static constexpr int kWidth = 30;

    const QStringList& titles() const { return m_titles; }
    void setTitles(const QStringList& titles) { m_titles = titles; }
    void clear() { m_titles.clear(); }
    // The width the index takes from the rows: none without titles.
    int width() const { return m_titles.isEmpty() ? 0 : kWidth; }

    // While the finger is on the index it is drawn on a darker band.
    bool isTracking() const { return m_tracking; }
    void setTracking(bool tracking) { m_tracking = tracking; }

    QRectF area(const QSize& viewport) const;
    QRect rectForTitle(int index, const QSize& viewport) const;
    // The title nearest to `y`, clamped to the first and the last; -1 without titles.
    int titleAt(int y, const QSize& viewport) const;

    void paint(QPainter& painter, const QSize& viewport) const;

private:
    qreal slot(const QSize& viewport) const;

    QStringList m_titles;
    bool m_tracking = false;
};
