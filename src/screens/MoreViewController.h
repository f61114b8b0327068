#pragma once

#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "ViewController.h"

#include <QUrl>
#include <functional>

class TableView;

// Other projects' applications worth having beside Ratepad: four for phones and two for the desktop.
// A row's detail button opens the application's page outside the program, or, where nothing opens
// links, copies it and says so; rows cannot be selected.
class MoreViewController final : public ViewController, public TableViewDataSource, public TableViewDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoreViewController)

public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    struct Application {
        const char* displayName;
        const char* iconImageName;
        const char* description;
        const char* link;
        const char* maker; // the project or person, a name that is not translated
    };

    explicit MoreViewController(UrlOpener openURL = {}, QObject* parent = nullptr);

    TableView* tableView() const { return m_tableView; }
    // The catalogue row for a path, or null outside it.
    static const Application* applicationAt(const IndexPath& indexPath);

    int numberOfSections(TableView* tableView) override;
    QString titleForHeaderInSection(TableView* tableView, int section) override;
    int numberOfRowsInSection(TableView* tableView, int section) override;
    std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* tableView,
                                                         const IndexPath& indexPath) override;
    std::optional<TableViewCell::AccessoryType>
    accessoryTypeForRowWithIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    std::optional<IndexPath> willSelectRowAtIndexPath(TableView* tableView,
                                                      const IndexPath& indexPath) override;
    void accessoryButtonTappedForRowWithIndexPath(TableView* tableView, const IndexPath& indexPath) override;

protected:
    void loadView() override;

private:
    UrlOpener m_openURL;
    TableView* m_tableView = nullptr; // the view itself
};
