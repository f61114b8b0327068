#pragma once

#include <QList>
#include <QRectF>
#include <QWidget>

// Small helpers that give widgets the view operations the screens are written against: frames in
// points and number tags found again by search. Tags live in the dynamic property "tag"; a widget
// without one has the tag 0.

// Places `view` at `frame` in its parent's coordinates; fractions are rounded to whole points. Frames
// are written left to right: in a parent laid out right to left the frame is mirrored, and stays so
// through the parent's resizes, so that a screen's leading and trailing views change sides.
void setFrame(QWidget* view, const QRectF& frame);

// The frame of `view` as setFrame() takes it: written left to right, whichever way its parent reads.
QRect frameOf(const QWidget* view);

// `logical`, a rectangle written left to right inside `area`, where `widget` draws it.
QRect visualRect(const QWidget* widget, const QRect& area, const QRect& logical);

void setTag(QWidget* view, int tag);
int tag(const QWidget* view);

// `root` itself when it carries `tag`, otherwise the first descendant widget (depth first, in child
// order) that does; nullptr when there is none.
QWidget* viewWithTag(QWidget* root, int tag);

template <typename T> T* viewWithTag(QWidget* root, int tagValue) {
    return qobject_cast<T*>(viewWithTag(root, tagValue));
}

// Moves the keyboard focus to the next (or previous) of `widgets`, wrapping around, so that Tab stays
// inside an overlay such as an alert. Always answers true: the focus never leaves the group.
bool cycleFocusAmong(const QList<QWidget*>& widgets, bool next);

// Whether the application's focus widget is `view` or one of its descendants.
bool hasFocusWithin(const QWidget* view);

// Hides `view`. When the focus is inside it, the focus is let go first: Qt would otherwise pass it on
// as if Tab had been pressed, and the next control would show a keyboard focus ring after a mouse
// click.
void hideView(QWidget* view);
