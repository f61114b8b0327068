#include "FirstPaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace {

// Watches one widget until its first paint, then removes itself.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget* widget, std::function<void()> action)
        : QObject(widget), m_action(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_action) {
            watched->removeEventFilter(this);
            std::exchange(m_action, nullptr)();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void onFirstPaint(QWidget* widget, std::function<void()> action) {
    new FirstPaintWatch(widget, std::move(action));
}

void afterFirstPaint(QWidget* widget, QObject* context, std::function<void()> action) {
    onFirstPaint(widget, [context = QPointer<QObject>(context), action = std::move(action)]() mutable {
        // After this paint has finished.
        if (context)
            QTimer::singleShot(0, context.data(), std::move(action));
    });
}
