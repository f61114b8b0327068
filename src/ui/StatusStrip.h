#pragma once

#include <QWidget>

class ActivityIndicator;
class Label;

// The strip along the top of the window (20 points): the application's name in the middle and the
// network-activity indicator at the left.
class StatusStrip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusStrip)

public:
    explicit StatusStrip(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    ActivityIndicator* activityIndicator() const { return m_indicator; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Label* m_title;                 // child widget
    ActivityIndicator* m_indicator; // child widget
};
