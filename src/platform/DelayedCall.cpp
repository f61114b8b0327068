#include "DelayedCall.h"

#include <QTimer>
#include <cmath>

void performAfterDelay(QObject* context, double seconds, std::function<void()> call) {
    const double ms = std::ceil(std::max(0.0, seconds) * 1000.0);
    const int delay = ms > 2e9 ? 2000000000 : static_cast<int>(ms);
    QTimer::singleShot(delay, Qt::PreciseTimer, context, std::move(call));
}
