#include <QCoreApplication>
#include <gtest/gtest.h>

// Every test program runs inside a Qt application so that timers, the event loop and resources work.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
