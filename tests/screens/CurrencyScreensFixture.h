#pragma once

#include "../manager/ManagerFixture.h"
#include "AppWindow.h"
#include "NavigationController.h"
#include "TableView.h"
#include "ViewController.h"
#include "Views.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <memory>

// A manager over the test's own resources and one of the currency screens shown at the root of a
// navigation stack in a phone-sized window, driven by real clicks and keys.
class CurrencyScreensFixture : public ManagerFixture {
protected:
    void TearDown() override {
        window.reset();
        navigation.reset();
        root.reset();
        // Dismissed and popped controllers go on the next pass of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Puts `screen` at the root of a navigation stack in a shown window; returns the screen.
    template <typename Screen> Screen* show(std::unique_ptr<Screen> screen) {
        Screen* raw = screen.get();
        navigation = std::make_unique<NavigationController>(std::move(screen));
        window = std::make_unique<AppWindow>();
        window->setRootViewController(navigation.get());
        window->makeKeyAndVisible();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return raw;
    }

    // Makes `screen` the window's root on its own, without a navigation stack.
    template <typename Screen> Screen* showAlone(std::unique_ptr<Screen> screen) {
        Screen* raw = screen.get();
        root = std::move(screen);
        window = std::make_unique<AppWindow>();
        window->setRootViewController(root.get());
        window->makeKeyAndVisible();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return raw;
    }

    // Clicks the middle of a row where it is on screen, scrolling it into view first.
    static void clickRow(TableView* table, const IndexPath& indexPath) {
        table->scrollToRowAtIndexPath(indexPath, TableView::ScrollPosition::None);
        const QRect rect = table->rectForRowAtIndexPath(indexPath);
        ASSERT_TRUE(table->viewport()->rect().contains(rect.center())) << "row not on screen";
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // The text of a label found by tag in the cell shown for a row.
    static QString textAt(TableView* table, const IndexPath& indexPath, int tag) {
        table->scrollToRowAtIndexPath(indexPath, TableView::ScrollPosition::None);
        TableViewCell* cell = table->cellForRowAtIndexPath(indexPath);
        if (!cell)
            return QStringLiteral("<no cell>");
        auto* label = viewWithTag<QLabel>(cell->contentView(), tag);
        return label ? label->text() : QStringLiteral("<no label>");
    }

    // Waits until no navigation or modal slide is running any more.
    bool settle(ViewController* controller) {
        return waitUntil([controller] {
            return controller->appearance() == ViewController::Appearance::Appeared ||
                   controller->appearance() == ViewController::Appearance::Disappeared;
        });
    }

    std::unique_ptr<ViewController> root;
    std::unique_ptr<NavigationController> navigation;
    std::unique_ptr<AppWindow> window;
};
