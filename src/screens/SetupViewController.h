#pragma once

#include "ActionSheetDelegate.h"
#include "SelectionViewController.h"
#include "TableView.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "ViewController.h"

#include <QPointer>

class CurrencyManager;
class Switch;

// The two settings that are not about single foreign currencies ("Setup"): the automatic-update
// switch, which the manager follows at once, and the local currency, which is changed only after a
// confirmation because the manager then rebuilds the whole foreign list. The new local currency comes
// from the picker or, through its More button, from the editor in local mode.
class SetupViewController final : public ViewController,
                                  public TableViewDataSource,
                                  public TableViewDelegate,
                                  public SelectionViewControllerDelegate,
                                  public ActionSheetDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupViewController)

public:
    enum Section { UpdateSection = 0, LocalCurrencySection = 1 };
    enum Tag { LocalCodeLabelTag = 95, LocalNameLabelTag = 96, UpdateLabelTag = 97, UpdateSwitchTag = 98 };
    enum SheetButton { OverwriteButtonIndex = 0, CancelButtonIndex = 1 };

    // The manager must outlive the screen.
    explicit SetupViewController(CurrencyManager& manager, QObject* parent = nullptr);
    ~SetupViewController() override;

    TableView* tableView(); // loads the view

    void updateSwitchFlipped(const Switch* sender);

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // TableViewDataSource
    int numberOfSections(TableView* tableView) override;
    int numberOfRowsInSection(TableView* tableView, int section) override;
    QString titleForHeaderInSection(TableView* tableView, int section) override;
    QString titleForFooterInSection(TableView* tableView, int section) override;
    std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* tableView,
                                                         const IndexPath& indexPath) override;
    bool canEditRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    bool canMoveRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;

    // TableViewDelegate
    std::optional<IndexPath> willSelectRowAtIndexPath(TableView* tableView,
                                                      const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    std::optional<TableViewCell::AccessoryType>
    accessoryTypeForRowWithIndexPath(TableView* tableView, const IndexPath& indexPath) override;
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* tableView,
                                                              const IndexPath& indexPath) override;

    // ActionSheetDelegate
    void clickedButtonAtIndex(ActionSheet* sheet, int index) override;

    // SelectionViewControllerDelegate
    void didSelectCurrency(SelectionViewController* picker, const QString& code) override;
    void selectionViewControllerMore(SelectionViewController* picker) override;
    void selectionViewControllerDidCancel(SelectionViewController* picker) override;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    std::unique_ptr<TableViewCell> makeLocalCurrencyCell() const;
    std::unique_ptr<TableViewCell> makeUpdateCell();

    CurrencyManager& m_manager;
    QPointer<TableView> m_tableView;
};
