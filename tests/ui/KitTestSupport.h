#pragma once

#include "ViewController.h"

#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Shared pieces of the widget-kit tests.
namespace kittest {

// Polls (processing events and deferred deletes) until `condition` holds or 5 s have passed.
template <typename Condition> bool waitUntil(Condition condition) {
    return QTest::qWaitFor(condition, 5000);
}

// Clicks whatever widget is really on top at `pos` (window coordinates), as a finger would.
inline QWidget* clickAt(QWidget* window, QPoint pos) {
    QWidget* target = window->childAt(pos);
    if (!target)
        target = window;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, pos));
    return target;
}

// Clicks the centre of `widget` through its window, and checks that the click landed on it (and
// not on something covering it).
inline void click(QWidget* widget) {
    ASSERT_TRUE(widget);
    ASSERT_TRUE(widget->isVisible());
    QWidget* window = widget->window();
    QWidget* hit = clickAt(window, widget->mapTo(window, widget->rect().center()));
    EXPECT_TRUE(hit == widget || widget->isAncestorOf(hit))
        << "the click at the centre of " << widget->metaObject()->className() << " landed on "
        << hit->metaObject()->className();
}

// "a, b, c": readable in failure messages.
inline std::string joined(const QStringList& list) {
    return list.join(QStringLiteral(", ")).toStdString();
}

// A screen that writes every lifecycle call into a shared journal as "name:hook".
class JournalController final : public ViewController {
public:
    JournalController(QString name, QStringList* journal) : m_name(std::move(name)), m_journal(journal) {
        setTitle(m_name);
    }
    ~JournalController() override { note("destroyed"); }

    void viewWillAppear(bool) override { note("willAppear"); }
    void viewDidAppear(bool) override { note("didAppear"); }
    void viewWillDisappear(bool) override { note("willDisappear"); }
    void viewDidDisappear(bool) override { note("didDisappear"); }

protected:
    void viewDidLoad() override { note("didLoad"); }

private:
    void note(const char* hook) { m_journal->append(m_name + u':' + QString::fromLatin1(hook)); }

    QString m_name;
    QStringList* m_journal;
};

inline std::unique_ptr<JournalController> journalled(const QString& name, QStringList* journal) {
    return std::make_unique<JournalController>(name, journal);
}

} // namespace kittest
