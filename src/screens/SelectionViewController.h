#pragma once

#include "TableView.h"
#include "TableViewDataSource.h"
#include "TableViewDelegate.h"
#include "ViewController.h"

#include <QHash>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

class CurrencyManager;
class SelectionViewController;

// How the picker tells the screen that presented it what the user chose. The picker does nothing
// after any of these: the delegate acts and closes it.
class SelectionViewControllerDelegate {
public:
    virtual ~SelectionViewControllerDelegate() = default;

    // The user tapped the row of `code` (or picked the only match of a search with Enter).
    virtual void didSelectCurrency(SelectionViewController* picker, const QString& code) = 0;
    // The wanted currency is not in the catalogue: the delegate offers to type one in.
    virtual void selectionViewControllerMore(SelectionViewController* picker) = 0;
    virtual void selectionViewControllerDidCancel(SelectionViewController* picker) = 0;

protected:
    SelectionViewControllerDelegate() = default;
    SelectionViewControllerDelegate(const SelectionViewControllerDelegate&) = default;
    SelectionViewControllerDelegate& operator=(const SelectionViewControllerDelegate&) = default;
};

// The full-screen catalogue of known currencies, grouped under "A" to "Z" with an index of the
// letters along the side, a search field that narrows it by code or name, and Cancel and More
// buttons. It changes nothing itself: every outcome goes to the delegate.
class SelectionViewController final : public ViewController,
                                      public TableViewDataSource,
                                      public TableViewDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectionViewController)

public:
    // Reuse identifier of the rows.
    static inline const QString CellIdentifier = QStringLiteral("Cell");
    static inline const QString TypeInCellIdentifier = QStringLiteral("TypeInCell");
    enum Tag { CodeLabelTag = 96, NameLabelTag = 98 };

    // Groups the manager's catalogue at once; the manager must outlive the picker.
    explicit SelectionViewController(const CurrencyManager& manager, QObject* parent = nullptr);
    ~SelectionViewController() override;

    // "A" to "Z", made once and shared by every picker.
    static const QStringList& sectionIndex();

    // The catalogue's codes by first character, each list in ordinary string order.
    QMap<QString, QStringList> indexedCurrencies() const { return m_indexedCurrencies; }

    // An opaque value of the presenting screen, handed back untouched ("foreign", "master").
    QVariant context() const { return m_context; }
    void setContext(const QVariant& context) { m_context = context; }

    // Not owned; it must outlive the picker or be cleared first.
    SelectionViewControllerDelegate* delegate() const { return m_delegate; }
    void setDelegate(SelectionViewControllerDelegate* delegate) { m_delegate = delegate; }

    void cancel();
    void more();

    // The search text as a currency code, when it could be one (three letters, in capitals), for
    // the delegate to offer when it opens the editor; empty otherwise.
    QString possibleCode() const;
    // Whether the search matches nothing and the one row offers to type the currency in.
    bool showsTypeInRow() const;

    // Shows only the currencies whose code, name in the user's language or English name contains
    // `text`, ignoring case and accents; the search field calls it as the user types.
    void setSearchText(const QString& text);
    QString searchText() const { return m_searchText; }

    TableView* tableView();   // loads the view
    QLineEdit* searchField(); // loads the view

    // TableViewDataSource
    int numberOfSections(TableView* tableView) override;
    int numberOfRowsInSection(TableView* tableView, int section) override;
    std::unique_ptr<TableViewCell> cellForRowAtIndexPath(TableView* tableView,
                                                         const IndexPath& indexPath) override;
    QString titleForHeaderInSection(TableView* tableView, int section) override;
    QStringList sectionIndexTitles(TableView* tableView) override;
    int sectionForSectionIndexTitle(TableView* tableView, const QString& title, int index) override;
    bool canEditRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;

    // TableViewDelegate
    void didSelectRowAtIndexPath(TableView* tableView, const IndexPath& indexPath) override;

    // The code shown at a row, or an empty string for a row that does not exist.
    QString codeAtIndexPath(const IndexPath& indexPath) const;

    void viewDidAppear(bool animated) override;

protected:
    void loadView() override;

private:
    // The letters shown as sections: all 26 without a search, only those with matches with one.
    const QStringList& shownLetters() const;
    QStringList codesUnder(const QString& letter) const;
    struct SearchKey {
        QString code;
        QString name; // in the user's language
        QString englishName;
    };
    // The code and names without case or accents, folded on first use and kept.
    const SearchKey& searchKey(const QString& code);
    void rebuildMatches();
    void pickOnlyMatch();

    const CurrencyManager& m_manager;
    SelectionViewControllerDelegate* m_delegate = nullptr;
    QVariant m_context;
    QMap<QString, QStringList> m_indexedCurrencies;

    QString m_searchText;
    QString m_foldedSearch;
    QHash<QString, SearchKey> m_searchKeys;
    QStringList m_matchingLetters;
    QHash<QString, QStringList> m_matches; // letter -> matching codes, while searching

    QPointer<TableView> m_tableView;
    QPointer<QLineEdit> m_searchField;
};
