#pragma once

#include "SelectionViewController.h"
#include "TableView.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "ViewController.h"

#include <QPointer>
#include <functional>

class AlertView;
class CurrencyManager;
class ForeignCurrencyListModel;

// The list of the user's foreign currencies ("Rates"): one row each with a check mark on the
// current one, code, name, rate and update date, and above them a row that adds a currency from the
// picker. A tap makes a currency current; the editing state deletes, reorders and opens the editor;
// Refresh downloads every rate again once the rate server is known to be reachable. The rows are
// those of a list model over the manager's list: a record's change repaints its row in place, and
// every change of the list goes through the manager.
class CurrencyViewController final : public ViewController,
                                     public TableViewDataSource,
                                     public TableViewDelegate,
                                     public SelectionViewControllerDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrencyViewController)

public:
    static inline const QString addCurrencyCellIdentifier = QStringLiteral("AddCurrencyCell");
    static inline const QString currencyCellIdentifier = QStringLiteral("CurrencyCell");
    enum Section { AddSection = 0, CurrencySection = 1 };
    enum Tag {
        PinImageTag = 94,
        CheckImageTag = 95,
        CodeLabelTag = 96,
        RateLabelTag = 97,
        NameLabelTag = 98,
        UpdateLabelTag = 99
    };

    // `isNetworkAvailable` answers whether the Internet at large is reachable (it picks the message
    // when the rate server is not); `rateServerHost` (host[:port]) is what Refresh tests first. The
    // manager must outlive the screen.
    CurrencyViewController(CurrencyManager& manager, std::function<bool()> isNetworkAvailable,
                           QString rateServerHost, QObject* parent = nullptr);
    ~CurrencyViewController() override;

    TableView* tableView(); // loads the view
    BarButtonItem* refreshButtonItem() const { return m_refreshItem; }

    // Tests the rate server, then downloads every rate, or explains in an alert why it cannot.
    void refresh();
    // Presents the catalogue picker to add a currency, as the add row does.
    void presentPicker(bool animated);

    void setEditing(bool editing, bool animated = false) override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // TableViewDataSource
    int numberOfSections(TableView* tableView) override;
    int numberOfRowsInSection(TableView* tableView, int section) override;
    QString titleForHeaderInSection(TableView* tableView, int section) override;
    std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* tableView,
                                                         const IndexPath& indexPath) override;
    bool canMoveRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    void commitEditingStyle(TableView* tableView, TableViewCell::EditingStyle editingStyle,
                            const IndexPath& indexPath) override;
    void moveRowAtIndexPath(TableView* tableView, const IndexPath& from, const IndexPath& to) override;

    // TableViewDelegate
    void didSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    int heightForRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    std::optional<TableViewCell::AccessoryType>
    accessoryTypeForRowWithIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* tableView,
                                                              const IndexPath& indexPath) override;
    IndexPath targetIndexPathForMoveFromRowAtIndexPath(TableView* tableView, const IndexPath& from,
                                                       const IndexPath& proposed) override;

    // SelectionViewControllerDelegate
    void didSelectCurrency(SelectionViewController* picker, const QString& code) override;
    void selectionViewControllerMore(SelectionViewController* picker) override;
    void selectionViewControllerDidCancel(SelectionViewController* picker) override;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    // The refresh alert, its message chosen by whether the Internet at large is reachable; never a
    // second one while the first is up.
    void showServerNotReachable();
    void reloadData();
    std::unique_ptr<TableViewCell> makeCurrencyCell() const;
    void fillCurrencyCell(TableViewCell* cell, int row) const;
    void updateRows(int first, int last);
    void rowsRearranged();

    CurrencyManager& m_manager;
    std::function<bool()> m_isNetworkAvailable;
    QString m_rateServerHost;
    ForeignCurrencyListModel* m_model; // child
    bool m_applyingOwnEdit = false;
    QPointer<TableView> m_tableView;
    QPointer<BarButtonItem> m_refreshItem;
    QPointer<AlertView> m_serverAlert; // while shown
};
