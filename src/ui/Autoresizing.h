#pragma once

#include <QFlags>
#include <QObject>
#include <QSize>

class QWidget;

// Springs and struts: when a parent widget changes size, each child that carries a mask moves and
// stretches by the change, split between the margins and sizes the mask marks flexible (in
// proportion to their current lengths, like the phone platform does). A child without a mask keeps
// its frame. The values are those of the phone platform's autoresizing masks.
class Autoresizing final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Autoresizing)

public:
    enum Flag {
        None = 0,
        FlexibleLeftMargin = 1,
        FlexibleWidth = 2,
        FlexibleRightMargin = 4,
        FlexibleTopMargin = 8,
        FlexibleHeight = 16,
        FlexibleBottomMargin = 32,
        FlexibleSize = FlexibleWidth | FlexibleHeight,
    };
    Q_DECLARE_FLAGS(Mask, Flag)

    // Gives `child` its mask and makes its parent (which must already be set) resize it from now on.
    static void setMask(QWidget* child, Mask mask);
    static Mask mask(const QWidget* child);

    // Marks `child` as placed mirrored in a parent laid out right to left: its mask then reads with
    // left and right swapped, and without one it keeps its distance to the parent's right edge.
    static void placeMirrored(QWidget* child);

    // Puts `child` over the whole of its parent and keeps it there.
    static void fillParent(QWidget* child);

    // Applies the masks of `parent`'s children for the parent's current size at once, without waiting
    // for the resize event (which a hidden widget only gets when it is shown).
    static void layoutChildren(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Autoresizing(QWidget* parent);
    static Autoresizing* forParent(QWidget* parent);
    void apply();

    QWidget* m_parent; // the widget this filter watches; it owns the filter
    QSize m_lastSize;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Autoresizing::Mask)
