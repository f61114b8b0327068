#pragma once

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

// The converter's root view: a repeated background image, with rounded display panels drawn behind
// the two result rows. The screen places its subviews itself; this view only paints.
class ConverterView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConverterView)

public:
    explicit ConverterView(QWidget* parent = nullptr);

    // Tiled over the whole view; a null pixmap leaves a plain dark background.
    void setBackgroundPattern(const QPixmap& pattern);
    QPixmap backgroundPattern() const { return m_pattern; }
    void setPanels(const QList<QRectF>& panels);
    QList<QRectF> panels() const { return m_panels; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pattern;
    QList<QRectF> m_panels;
};
