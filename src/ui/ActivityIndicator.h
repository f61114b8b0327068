#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

// A small spinning wheel of spokes, shown only while animating.
class ActivityIndicator final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActivityIndicator)

public:
    explicit ActivityIndicator(QWidget* parent = nullptr);

    bool isAnimating() const { return m_timer.isActive(); }
    void startAnimating();
    void stopAnimating();
    void setColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    int m_step = 0;
    QColor m_color;
};
