#pragma once

#include <QObject>
#include <functional>

// Runs `call` once on the main loop after `seconds` (0: the next pass), unless `context` is gone by
// then. Calls are never merged and never cancelled; long delays use a precise timer because a
// coarse one may fire up to 5% early.
void performAfterDelay(QObject* context, double seconds, std::function<void()> call);
