#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Calls `action` once, on the pass of the event loop after `widget` has first painted, unless
// `context` is gone by then: work that the first frame does not need waits for it.
void afterFirstPaint(QWidget* widget, QObject* context, std::function<void()> action);
