#include "SelectionViewController.h"

#include "Autoresizing.h"
#include "BarButtonItem.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "Label.h"
#include "NavigationBar.h"
#include "NavigationItem.h"
#include "TableView.h"
#include "Theme.h"
#include "Views.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// Lower case without accents, so that "krona" finds "Króna" and "eur" finds "EUR".
QString folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            break;
        default:
            result.append(c);
        }
    }
    return result.toCaseFolded();
}

} // namespace

SelectionViewController::SelectionViewController(const CurrencyManager& manager, QObject* parent)
    : ViewController(parent), m_manager(manager) {
    // QMap keeps its keys in ordinary string order already, which is the order each letter lists.
    QMap<QString, QStringList> indexed;
    const QMap<QString, QString>& known = m_manager.knownCurrencies();
    for (auto it = known.keyBegin(); it != known.keyEnd(); ++it) {
        if (it->isEmpty())
            continue;
        indexed[it->left(1)].append(*it);
    }
    m_indexedCurrencies = std::move(indexed);

    setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Select Currency")));
    auto* cancelItem = new BarButtonItem(BarButtonItem::SystemItem::Cancel);
    connect(cancelItem, &BarButtonItem::triggered, this, &SelectionViewController::cancel);
    navigationItem()->setLeftBarButtonItem(cancelItem);
    auto* moreItem = new BarButtonItem(localized(QT_TRANSLATE_NOOP("Localizable", "More")));
    connect(moreItem, &BarButtonItem::triggered, this, &SelectionViewController::more);
    navigationItem()->setRightBarButtonItem(moreItem);
}

SelectionViewController::~SelectionViewController() {
    // The table may still ask while its widgets go down with the view.
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

const QStringList& SelectionViewController::sectionIndex() {
    static const QStringList letters = [] {
        QStringList list;
        for (char c = 'A'; c <= 'Z'; ++c)
            list.append(QString(QLatin1Char(c)));
        return list;
    }();
    return letters;
}

void SelectionViewController::loadView() {
    auto root = std::make_unique<QWidget>();
    QPalette palette = root->palette();
    palette.setColor(QPalette::Window, Theme::plainBackgroundColor());
    root->setPalette(palette);
    root->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(root.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new NavigationBar(root.get());
    bar->setNavigationItem(navigationItem());
    layout->addWidget(bar);

    auto* searchStrip = new QWidget(root.get());
    QPalette stripPalette = searchStrip->palette();
    stripPalette.setColor(QPalette::Window, Theme::groupTableViewBackgroundColor());
    searchStrip->setPalette(stripPalette);
    searchStrip->setAutoFillBackground(true);
    auto* stripLayout = new QVBoxLayout(searchStrip);
    stripLayout->setContentsMargins(8, 6, 8, 6);
    m_searchField = new QLineEdit(searchStrip);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setFont(Theme::systemFont(15));
    m_searchField->setPlaceholderText(localized(QT_TRANSLATE_NOOP("Localizable", "Search")));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setFixedHeight(30);
    stripLayout->addWidget(m_searchField);
    layout->addWidget(searchStrip);
    connect(m_searchField, &QLineEdit::textChanged, this, &SelectionViewController::setSearchText);
    connect(m_searchField, &QLineEdit::returnPressed, this, &SelectionViewController::pickOnlyMatch);

    m_tableView = new TableView(TableView::Style::Plain, root.get());
    m_tableView->setObjectName(QStringLiteral("pickerTable"));
    m_tableView->setDataSource(this);
    m_tableView->setDelegate(this);
    layout->addWidget(m_tableView, 1);

    // Escape is the keyboard's Cancel, wherever the focus is on the picker.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), root.get());
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &SelectionViewController::cancel);

    setView(std::move(root));
}

TableView* SelectionViewController::tableView() {
    view();
    return m_tableView;
}

QLineEdit* SelectionViewController::searchField() {
    view();
    return m_searchField;
}

void SelectionViewController::viewDidAppear(bool animated) {
    ViewController::viewDidAppear(animated);
    // Typing filters at once.
    if (m_searchField)
        m_searchField->setFocus(Qt::OtherFocusReason);
}

QString SelectionViewController::possibleCode() const {
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{3}$"));
    const QString text = m_searchText.trimmed();
    return code.match(text).hasMatch() ? text.toUpper() : QString();
}

bool SelectionViewController::showsTypeInRow() const {
    return !m_foldedSearch.isEmpty() && m_matchingLetters.isEmpty();
}

void SelectionViewController::cancel() {
    if (m_delegate)
        m_delegate->selectionViewControllerDidCancel(this);
}

void SelectionViewController::more() {
    if (m_delegate)
        m_delegate->selectionViewControllerMore(this);
}

void SelectionViewController::setSearchText(const QString& text) {
    if (text == m_searchText)
        return;
    m_searchText = text;
    m_foldedSearch = folded(text.trimmed());
    rebuildMatches();
    if (m_searchField && m_searchField->text() != text)
        m_searchField->setText(text);
    if (m_tableView)
        m_tableView->reloadData();
}

void SelectionViewController::rebuildMatches() {
    m_matchingLetters.clear();
    m_matches.clear();
    if (m_foldedSearch.isEmpty())
        return;
    for (const QString& letter : sectionIndex()) {
        QStringList codes;
        for (const QString& code : m_indexedCurrencies.value(letter)) {
            const SearchKey& key = searchKey(code);
            if (key.code.contains(m_foldedSearch) || key.name.contains(m_foldedSearch) ||
                key.englishName.contains(m_foldedSearch))
                codes.append(code);
        }
        if (!codes.isEmpty()) {
            m_matchingLetters.append(letter);
            m_matches.insert(letter, codes);
        }
    }
}

const SelectionViewController::SearchKey& SelectionViewController::searchKey(const QString& code) {
    auto it = m_searchKeys.find(code);
    if (it == m_searchKeys.end()) {
        const CurrencyNames& names = m_manager.currencyNames();
        it = m_searchKeys.insert(
            code, {folded(code), folded(names.localName(code)), folded(names.englishName(code))});
    }
    return *it;
}

void SelectionViewController::pickOnlyMatch() {
    if (showsTypeInRow()) {
        more();
        return;
    }
    if (m_foldedSearch.isEmpty() || m_matchingLetters.size() != 1)
        return;
    const QStringList codes = m_matches.value(m_matchingLetters.first());
    if (codes.size() == 1 && m_delegate)
        m_delegate->didSelectCurrency(this, codes.first());
}

const QStringList& SelectionViewController::shownLetters() const {
    return m_foldedSearch.isEmpty() ? sectionIndex() : m_matchingLetters;
}

QStringList SelectionViewController::codesUnder(const QString& letter) const {
    return m_foldedSearch.isEmpty() ? m_indexedCurrencies.value(letter) : m_matches.value(letter);
}

QString SelectionViewController::codeAtIndexPath(const IndexPath& indexPath) const {
    const QStringList& letters = shownLetters();
    if (indexPath.section() < 0 || indexPath.section() >= letters.size())
        return {};
    const QStringList codes = codesUnder(letters.at(indexPath.section()));
    if (indexPath.row() < 0 || indexPath.row() >= codes.size())
        return {};
    return codes.at(indexPath.row());
}

int SelectionViewController::numberOfSections(TableView*) {
    return showsTypeInRow() ? 1 : int(shownLetters().size());
}

int SelectionViewController::numberOfRowsInSection(TableView*, int section) {
    if (showsTypeInRow())
        return section == 0 ? 1 : 0;
    const QStringList& letters = shownLetters();
    if (section < 0 || section >= letters.size())
        return 0;
    return int(codesUnder(letters.at(section)).size());
}

QString SelectionViewController::titleForHeaderInSection(TableView*, int section) {
    const QStringList& letters = shownLetters();
    return (section >= 0 && section < letters.size()) ? letters.at(section) : QString();
}

QStringList SelectionViewController::sectionIndexTitles(TableView*) {
    return shownLetters();
}

int SelectionViewController::sectionForSectionIndexTitle(TableView*, const QString&, int index) {
    return index;
}

bool SelectionViewController::canEditRowAtIndexPath(TableView*, const IndexPath&) {
    return false;
}

std::unique_ptr<TableViewCell> SelectionViewController::cellForRowAtIndexPath(TableView* tableView,
                                                                              const IndexPath& indexPath) {
    if (showsTypeInRow()) {
        std::unique_ptr<TableViewCell> cell =
            tableView->dequeueReusableCellWithIdentifier(TypeInCellIdentifier);
        if (!cell)
            cell = std::make_unique<TableViewCell>(TypeInCellIdentifier);
        const QString code = possibleCode();
        cell->textLabel()->setText(code.isEmpty()
                                       ? localized(QT_TRANSLATE_NOOP("Localizable", "Type In a Currency"))
                                       : localized(QT_TRANSLATE_NOOP("Localizable", "Type In %@"))
                                             .replace(QStringLiteral("%@"), code));
        cell->textLabel()->setTextColor(Theme::tintColor());
        return cell;
    }
    std::unique_ptr<TableViewCell> cell = tableView->dequeueReusableCellWithIdentifier(CellIdentifier);
    if (!cell) {
        cell = std::make_unique<TableViewCell>(CellIdentifier);
        QWidget* content = cell->contentView();
        const qreal maxX = content->rect().right() + 1;

        auto* codeLabel = new Label(content);
        setFrame(codeLabel, QRectF(10, 10, maxX - 250, 22));
        codeLabel->setFont(Theme::boldSystemFont(18));
        codeLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        codeLabel->setTextColor(Theme::labelColor());
        codeLabel->setHighlightedTextColor(Theme::highlightedTextColor());
        setTag(codeLabel, CodeLabelTag);

        auto* nameLabel = new Label(content);
        setFrame(nameLabel, QRectF(maxX - 238, 4, 230, 36)); // clear of the edge on either side
        // The right edge follows the row and the left edge stays put: where the section index makes
        // rows narrower, the name gives up width instead of sliding over the code.
        Autoresizing::setMask(nameLabel, Autoresizing::FlexibleWidth);
        // One size for every name; a long one ("Bosnia-Herzegovina Convertible Mark") takes two lines.
        nameLabel->setFont(Theme::systemFont(15));
        nameLabel->setNumberOfLines(2);
        nameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        nameLabel->setTextColor(Theme::darkGrayColor());
        nameLabel->setHighlightedTextColor(Theme::highlightedTextColor());
        setTag(nameLabel, NameLabelTag);
    }
    const QString code = codeAtIndexPath(indexPath);
    if (auto* codeLabel = viewWithTag<Label>(cell->contentView(), CodeLabelTag))
        codeLabel->setText(code);
    if (auto* nameLabel = viewWithTag<Label>(cell->contentView(), NameLabelTag))
        nameLabel->setText(m_manager.currencyNames().localName(code));
    return cell;
}

void SelectionViewController::didSelectRowAtIndexPath(TableView*, const IndexPath& indexPath) {
    if (showsTypeInRow()) {
        more();
        return;
    }
    const QString code = codeAtIndexPath(indexPath);
    if (!code.isEmpty() && m_delegate)
        m_delegate->didSelectCurrency(this, code);
}
