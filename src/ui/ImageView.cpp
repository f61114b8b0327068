#include "ImageView.h"

#include <QPainter>

ImageView::ImageView(QWidget* parent) : QWidget(parent) {}

ImageView::ImageView(const QPixmap& image, QWidget* parent) : QWidget(parent), m_image(image) {}

void ImageView::setImage(const QPixmap& image) {
    m_image = image;
    updateGeometry();
    update();
}

void ImageView::setContentMode(ContentMode mode) {
    m_contentMode = mode;
    update();
}

QRectF ImageView::imageRect() const {
    if (m_image.isNull())
        return {};
    const QSizeF natural = m_image.deviceIndependentSize();
    const QRectF bounds(rect());
    switch (m_contentMode) {
    case ContentMode::ScaleToFill:
        return bounds;
    case ContentMode::ScaleAspectFit: {
        const QSizeF fitted = natural.scaled(bounds.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(0, 0), fitted);
        target.moveCenter(bounds.center());
        return target;
    }
    case ContentMode::Center: {
        QRectF target(QPointF(0, 0), natural);
        target.moveCenter(bounds.center());
        return target;
    }
    }
    return bounds;
}

QSize ImageView::sizeHint() const {
    return m_image.isNull() ? QSize(0, 0) : m_image.deviceIndependentSize().toSize();
}

void ImageView::paintEvent(QPaintEvent*) {
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(imageRect(), m_image, QRectF(QPointF(0, 0), m_image.size()));
}
