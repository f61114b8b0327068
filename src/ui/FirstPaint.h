#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Calls `action` once, when `widget` is about to paint for the first time (before anything of it is
// painted): work that must be done by then waits until it is really needed.
void onFirstPaint(QWidget* widget, std::function<void()> action);

// Calls `action` once, on the pass of the event loop after `widget` has first painted, unless
// `context` is gone by then: work that the first frame does not need waits for it.
void afterFirstPaint(QWidget* widget, QObject* context, std::function<void()> action);
