#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

class QWidget;

// View animations in the manner of the phone platform: a widget's opacity (through a graphics
// opacity effect) and its scale (its frame shrunk or grown about its centre, relative to the frame
// it had at scale 1). Starting an animation on a widget stops the one already running on it.
class Animations final {
public:
    Animations() = delete;

    // Called when an animation ends: true when it ran to its end, false when a newer one stopped it.
    using Completion = std::function<void(bool finished)>;

    static qreal opacity(const QWidget* view); // 1 for a widget never made transparent
    static void setOpacity(QWidget* view, qreal opacity);
    static qreal scale(const QWidget* view); // 1 for a widget never scaled
    static void setScale(QWidget* view, qreal scale);

    // Moves opacity and/or scale (those given) to their targets over `durationMs`.
    static void animate(QWidget* view, int durationMs, std::optional<qreal> opacity,
                        std::optional<qreal> scale, Completion completion = {});
    // To transparent and `scale` (the converter's decimal key: 0.4 s, 0.7).
    static void fadeAndShrink(QWidget* view, int durationMs, qreal scale, Completion completion = {});
    // Back to opaque and scale 1.
    static void restore(QWidget* view, int durationMs, Completion completion = {});
    static bool isAnimating(const QWidget* view);
};
