#pragma once

#include <QPixmap>
#include <QWidget>

// Shows a picture, scaled to the view's frame.
class ImageView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageView)

public:
    enum class ContentMode { ScaleToFill, ScaleAspectFit, Center };

    explicit ImageView(QWidget* parent = nullptr);
    explicit ImageView(const QPixmap& image, QWidget* parent = nullptr);

    QPixmap image() const { return m_image; }
    void setImage(const QPixmap& image); // a null pixmap shows nothing
    ContentMode contentMode() const { return m_contentMode; }
    void setContentMode(ContentMode mode);

    // Where the picture is drawn inside the view, for the current frame and mode.
    QRectF imageRect() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
    ContentMode m_contentMode = ContentMode::ScaleToFill;
};
