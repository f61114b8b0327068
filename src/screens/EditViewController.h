#pragma once

#include "BarButtonItem.h"
#include "Switch.h"
#include "TableView.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "TextField.h"
#include "TextFieldDelegate.h"
#include "ViewController.h"

#include <QPointer>
#include <memory>

class Currency;
class CurrencyManager;

// The one screen where a currency is typed in by hand. The currency it is handed chooses the mode:
// the local currency (local mode: a code only, saved as the new local currency), none (new-currency
// mode: code, name and rate, saved at the top of the list as the current currency) or a foreign
// currency of the list (edit mode: the code is fixed, name and rate change). Outside local mode a
// switch keeps the rate from being replaced by downloads. It pops itself from its navigation stack on
// Save and on Cancel.
class EditViewController final : public ViewController,
                                 public TableViewDataSource,
                                 public TableViewDelegate,
                                 public TextFieldDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditViewController)

public:
    enum class Mode { Local, NewCurrency, Edit };
    enum Row { CodeRow = 0, NameRow = 1, RateRow = 2, KeepRateRow = 3 };

    // The manager must outlive the editor.
    explicit EditViewController(CurrencyManager& manager, QObject* parent = nullptr);
    ~EditViewController() override;

    std::shared_ptr<Currency> currency() const { return m_currency; }
    // Set after construction and before the editor is shown.
    void setCurrency(const std::shared_ptr<Currency>& currency) { m_currency = currency; }
    Mode mode() const;
    // What the code field starts with in local and new-currency modes (a search the picker could not
    // match); empty by default.
    void setSuggestedCode(const QString& code) { m_suggestedCode = code; }

    // Stores the edits and pops the editor; does nothing while the code is empty.
    void save();
    // Pops the editor without storing anything.
    void cancel();
    bool canSave() const;

    TableView* tableView(); // loads the view
    // Null until the table has made the row.
    TextField* codeField() const { return m_codeField; }
    TextField* nameField() const { return m_nameField; }
    TextField* rateField() const { return m_rateField; }
    Switch* keepRateSwitch() const { return m_keepRateSwitch; }

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    // TableViewDataSource
    int numberOfRowsInSection(TableView* tableView, int section) override;
    std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* tableView,
                                                         const IndexPath& indexPath) override;
    QString titleForFooterInSection(TableView* tableView, int section) override;
    bool canEditRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;

    // TableViewDelegate
    std::optional<IndexPath> willSelectRowAtIndexPath(TableView* tableView,
                                                      const IndexPath& indexPath) override;

    // TextFieldDelegate
    bool shouldChangeCharactersInRange(TextField* field, int location, int length,
                                       const QString& replacement) override;
    bool textFieldShouldReturn(TextField* field) override;

    // Whether `candidate` may stand in the rate field: a number of the long rate format as it renders,
    // part-way through typing that rendering, or that rendering followed by zeros only.
    static bool isAcceptableRateText(const QString& candidate);

protected:
    void loadView() override;

private:
    void updateSaveButton();
    void closeIfRecordLeft();
    std::unique_ptr<TableViewCell> keepRateCell(TableView* tableView);

    CurrencyManager& m_manager;
    std::shared_ptr<Currency> m_currency;
    QString m_suggestedCode;
    QPointer<TableView> m_tableView;
    QPointer<TextField> m_codeField;   // owned by its cell
    QPointer<TextField> m_nameField;   // owned by its cell
    QPointer<TextField> m_rateField;   // owned by its cell
    QPointer<Switch> m_keepRateSwitch; // owned by its cell
    // The rate as the field first showed it: saved unchanged, it is not a rate the user typed.
    QString m_shownRateText;
    QPointer<BarButtonItem> m_saveItem;
};
