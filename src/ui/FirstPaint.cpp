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
    FirstPaintWatch(QWidget* widget, QObject* context, std::function<void()> action)
        : QObject(widget), m_context(context), m_action(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_action) {
            watched->removeEventFilter(this);
            std::function<void()> action = std::exchange(m_action, nullptr);
            // After this paint has finished.
            if (m_context)
                QTimer::singleShot(0, m_context.data(), std::move(action));
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QObject> m_context;
    std::function<void()> m_action;
};

} // namespace

void afterFirstPaint(QWidget* widget, QObject* context, std::function<void()> action) {
    new FirstPaintWatch(widget, context, std::move(action));
}
