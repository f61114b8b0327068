#include "Animations.h"

#include <QGraphicsOpacityEffect>
#include <QParallelAnimationGroup>
#include <QVariantAnimation>
#include <QWidget>

namespace {

constexpr char kScaleProperty[] = "animationScale";
constexpr char kIdentityFrameProperty[] = "animationIdentityFrame";
constexpr char kGroupName[] = "viewAnimation";

QParallelAnimationGroup* runningGroup(const QWidget* view) {
    return view->findChild<QParallelAnimationGroup*>(QString::fromLatin1(kGroupName),
                                                     Qt::FindDirectChildrenOnly);
}

} // namespace

qreal Animations::opacity(const QWidget* view) {
    if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(view->graphicsEffect()))
        return effect->opacity();
    return 1.0;
}

void Animations::setOpacity(QWidget* view, qreal opacity) {
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(view->graphicsEffect());
    if (qFuzzyCompare(opacity, 1.0)) {
        if (effect)
            view->setGraphicsEffect(nullptr); // fully opaque: paint directly again
        return;
    }
    if (!effect) {
        effect = new QGraphicsOpacityEffect(view); // owned by the view once set
        view->setGraphicsEffect(effect);
    }
    effect->setOpacity(opacity);
}

qreal Animations::scale(const QWidget* view) {
    const QVariant value = view->property(kScaleProperty);
    return value.isValid() ? value.toReal() : 1.0;
}

void Animations::setScale(QWidget* view, qreal scale) {
    const QVariant stored = view->property(kIdentityFrameProperty);
    const QRect identity = stored.isValid() ? stored.toRect() : view->geometry();
    if (qFuzzyCompare(scale, 1.0)) {
        view->setGeometry(identity);
        view->setProperty(kIdentityFrameProperty, QVariant());
        view->setProperty(kScaleProperty, QVariant());
        return;
    }
    view->setProperty(kIdentityFrameProperty, identity);
    view->setProperty(kScaleProperty, scale);
    const QSizeF size = QSizeF(identity.size()) * scale;
    QRectF frame(QPointF(0, 0), size);
    frame.moveCenter(QRectF(identity).center());
    view->setGeometry(frame.toRect());
}

bool Animations::isAnimating(const QWidget* view) {
    QParallelAnimationGroup* group = runningGroup(view);
    return group && group->state() == QAbstractAnimation::Running;
}

void Animations::animate(QWidget* view, int durationMs, std::optional<qreal> opacity,
                         std::optional<qreal> scale, Completion completion) {
    if (QParallelAnimationGroup* previous = runningGroup(view)) {
        previous->setObjectName(QString()); // later look-ups must find only the new group
        previous->stop();
        previous->deleteLater();
    }
    auto* group = new QParallelAnimationGroup(view);
    group->setObjectName(QString::fromLatin1(kGroupName));
    auto addTrack = [&](qreal from, qreal to, std::function<void(qreal)> apply) {
        auto* track = new QVariantAnimation(group);
        track->setDuration(std::max(0, durationMs));
        track->setStartValue(from);
        track->setEndValue(to);
        track->setEasingCurve(QEasingCurve::InOutQuad);
        QObject::connect(track, &QVariantAnimation::valueChanged, view,
                         [apply](const QVariant& value) { apply(value.toReal()); });
        group->addAnimation(track);
    };
    if (opacity)
        addTrack(Animations::opacity(view), *opacity, [view](qreal value) { setOpacity(view, value); });
    if (scale)
        addTrack(Animations::scale(view), *scale, [view](qreal value) { setScale(view, value); });

    // Runs exactly once: at the end, or when the group is stopped or destroyed before it.
    auto done = std::make_shared<Completion>(std::move(completion));
    QObject::connect(group, &QAbstractAnimation::stateChanged, view,
                     [group, done](QAbstractAnimation::State state) {
                         if (state != QAbstractAnimation::Stopped || !*done)
                             return;
                         const bool finished = group->currentTime() >= group->totalDuration();
                         Completion call = std::move(*done);
                         *done = nullptr;
                         call(finished);
                     });
    QObject::connect(group, &QAbstractAnimation::finished, group, &QObject::deleteLater);
    group->start();
}

void Animations::fadeAndShrink(QWidget* view, int durationMs, qreal scale, Completion completion) {
    animate(view, durationMs, 0.0, scale, std::move(completion));
}

void Animations::restore(QWidget* view, int durationMs, Completion completion) {
    animate(view, durationMs, 1.0, 1.0, std::move(completion));
}
