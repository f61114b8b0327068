#pragma once

#include <QPointer>
#include <QWidget>

class ActivityIndicator;
class StatusStrip;
#include "ViewController.h"

// The application's one window, phone-sized (320 x 480 points, resizable): a status strip along the
// top with the application's name and the network-activity indicator, and below it the content area
// that the root view controller's view fills. Alerts and action sheets cover the whole window as
// overlay children.
class AppWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppWindow)

public:
    explicit AppWindow(QWidget* parent = nullptr);
    ~AppWindow() override;

    // Puts the controller's view into the content area. Not owned: the controller must outlive the
    // window or be replaced first. It receives the appearance hooks when the window is shown by
    // makeKeyAndVisible() (or at once, if the window already is).
    void setRootViewController(ViewController* controller);
    ViewController* rootViewController() const { return m_root; }
    // Puts any widget into the content area, filling it; it becomes a child of the window.
    void addSubview(QWidget* view);
    QWidget* contentView() const { return m_content; }

    // Shows the window, makes it the key window (where alerts go by default) and lets the root view
    // controller appear.
    void makeKeyAndVisible();
    static AppWindow* keyWindow();

    bool isNetworkActivityIndicatorVisible() const;
    void setNetworkActivityIndicatorVisible(bool visible);
    ActivityIndicator* networkActivityIndicator() const;
    StatusStrip* statusStrip() const { return m_strip; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    StatusStrip* m_strip; // child widget
    QWidget* m_content;   // child widget
    QPointer<ViewController> m_root;
};
