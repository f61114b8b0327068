#include "NotificationCenter.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

TEST(NotificationCenter, deliversInsidePostInOrderAndFiltersBySender) {
    NotificationCenter center;
    QObject a, b, sender, other;
    QStringList calls;
    center.addObserver(&a, "N", [&](const Notification& n) { calls << "a:" + n.name; });
    center.addObserver(
        &b, "N", [&](const Notification&) { calls << "b"; }, &sender);
    center.addObserver(&b, "M", [&](const Notification&) { calls << "m"; });
    center.post("N", &other);
    EXPECT_EQ(calls, QStringList({"a:N"}));
    calls.clear();
    center.post("N", &sender);
    EXPECT_EQ(calls, QStringList({"a:N", "b"}));
}

TEST(NotificationCenter, observersMayBeRemovedOrDestroyedDuringDelivery) {
    NotificationCenter center;
    QObject first;
    auto second = std::make_unique<QObject>();
    int firstCalls = 0, secondCalls = 0;
    center.addObserver(&first, "N", [&](const Notification&) {
        ++firstCalls;
        second.reset(); // the later observer dies before its turn
    });
    center.addObserver(second.get(), "N", [&](const Notification&) { ++secondCalls; });
    center.post("N");
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 0);

    QObject self;
    int selfCalls = 0;
    center.addObserver(&self, "S", [&](const Notification&) {
        ++selfCalls;
        center.removeObserver(&self);
    });
    center.post("S");
    center.post("S");
    EXPECT_EQ(selfCalls, 1);
    center.removeObserver(&first, "N");
    center.post("N");
    EXPECT_EQ(firstCalls, 1);
}
