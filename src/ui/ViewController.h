#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class BarButtonItem;
class NavigationController;
class NavigationItem;
class QAbstractAnimation;
class TabBarController;
class TabBarItem;

// The base of every screen: it owns a root view made on first use, a title, what the screen shows in
// a navigation bar and a tab bar, an editing state with its Edit/Done button, and modal
// presentation. Containers (NavigationController, TabBarController, AppWindow) call the appearance
// hooks through beginAppearanceTransition/endAppearanceTransition.
//
// Ownership: the view belongs to the controller, which deletes it when it is destroyed.
// While a container shows it, the view is also a child widget of the container's view, so it goes
// away with the container's widgets too; the controller notices and loads it again when needed.
// A container owns the child controllers it is given (pushed, set as tabs, presented) and deletes
// them when they leave it. The navigation and tab bar items are the controller's QObject children.
class ViewController : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewController)

public:
    enum class Appearance { Disappeared, Appearing, Appeared, Disappearing };

    explicit ViewController(QObject* parent = nullptr);
    ~ViewController() override;

    // The root view: on first use loadView() then viewDidLoad().
    QWidget* view();
    bool isViewLoaded() const { return !m_view.isNull(); }

    QString title() const { return m_title; }
    // Also the title of the navigation item and of the tab bar item.
    void setTitle(const QString& title);
    NavigationItem* navigationItem() const { return m_navigationItem; }
    TabBarItem* tabBarItem() const { return m_tabBarItem; }

    // The container that holds this controller, if any, and the nearest one of each kind above it.
    ViewController* parentViewController() const { return m_parent; }
    NavigationController* navigationController() const;
    TabBarController* tabBarController() const;

    // Presents `controller` over the whole window (tab bar included; the status strip stays), sliding
    // up when animated. It is presented by the top-most container above this controller (or over
    // whatever that one already presents), which owns it until it is dismissed.
    void presentModalViewController(std::unique_ptr<ViewController> controller, bool animated);
    // Sent to the presenter or to the presented controller (or anything inside either): slides the
    // presented controller away, tells the presenter that it appears again, then deletes the
    // presented controller on the next pass of the event loop.
    void dismissModalViewControllerAnimated(bool animated);
    ViewController* modalViewController() const { return m_modal.get(); }
    ViewController* presentingViewController() const { return m_presenting; }

    bool isEditing() const { return m_editing; }
    // Sets the editing state and the Edit/Done button; editingChanged is emitted on every call.
    virtual void setEditing(bool editing, bool animated = false);
    // A button owned by this controller that shows "Edit" or "Done" and toggles the editing state.
    BarButtonItem* editButtonItem();

    // Appearance hooks. The base versions do nothing; overrides need not call them.
    virtual void viewWillAppear(bool animated);
    virtual void viewDidAppear(bool animated);
    virtual void viewWillDisappear(bool animated);
    virtual void viewDidDisappear(bool animated);

    // Called by containers: the hooks run once per change of state, so repeated calls are harmless,
    // and they are passed on to childViewControllersForAppearance().
    void beginAppearanceTransition(bool appearing, bool animated);
    void endAppearanceTransition();
    Appearance appearance() const { return m_appearance; }
    bool isOnScreen() const {
        return m_appearance == Appearance::Appearing || m_appearance == Appearance::Appeared;
    }

signals:
    void editingChanged(bool editing);

protected:
    // Makes the root view; the default is an empty widget with the plain white background. An
    // override makes its own and hands it to setView().
    virtual void loadView();
    virtual void viewDidLoad();
    void setView(std::unique_ptr<QWidget> view);

    // The children that appear and disappear with this controller: a container's visible ones.
    virtual QList<ViewController*> childViewControllersForAppearance() const;
    // Containers record themselves as the parent of the children they hold.
    static void setParentViewController(ViewController* child, ViewController* parent);

private:
    ViewController* rootAncestor();
    void presentOver(std::unique_ptr<ViewController> controller, bool animated);
    void dismissPresented(bool animated);
    void finishModalTransition();
    QWidget* modalContainer();

    QPointer<QWidget> m_view;
    QString m_title;
    NavigationItem* m_navigationItem; // QObject child
    TabBarItem* m_tabBarItem;         // QObject child
    QPointer<BarButtonItem> m_editButtonItem;
    bool m_editing = false;
    Appearance m_appearance = Appearance::Disappeared;
    bool m_transitionAnimated = false;
    ViewController* m_parent = nullptr;     // the container holding this one; it outlives this one
    ViewController* m_presenting = nullptr; // owns this one while it is presented
    std::unique_ptr<ViewController> m_modal;
    std::unique_ptr<ViewController> m_dismissing; // slid away, deleted when the slide ends
    QPointer<QAbstractAnimation> m_modalTransition;
};
