#pragma once

#include <QStringList>

class QWidget;

// The texts that shown widgets at and under `root` draw cut at their present sizes (labels, bar, tab
// and push buttons, plain section titles), each as "Class: text", so that a screen can be checked
// for texts a language made too long.
QStringList cutTexts(const QWidget* root);
