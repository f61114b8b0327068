#pragma once

#include "FocusRingButton.h"

#include <QVariantAnimation>

// An on/off toggle in the phone style: a rounded track with a sliding knob, green when on. It keeps
// its own size whatever frame it is given (its left edge and top stay). A click or the Space key
// flips it and emits valueChanged; setOn() changes it without emitting valueChanged.
class Switch final : public FocusRingButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Switch)

public:
    static constexpr QSize kSize{51, 31};

    explicit Switch(QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on, bool animated = false);

    QSize sizeHint() const override { return kSize; }

signals:
    void valueChanged(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void moveKnob(bool on);

    QVariantAnimation m_knob; // 0 = off position, 1 = on position
    bool m_animateChange = true;
};
