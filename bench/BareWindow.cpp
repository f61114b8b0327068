// The yardstick for Ratepad's start-up: a bare Qt Widgets window with one label, measured the same way.
#include "FirstFrameProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Ratepad"));
    label.resize(320, 480);
    new FirstFrameProbe(&label, true);
    label.show();
    return QApplication::exec();
}
