#include "EditViewController.h"

#include "Autoresizing.h"
#include "BarButtonItem.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "DisplayFormatters.h"
#include "Label.h"
#include "NavigationController.h"
#include "NavigationItem.h"
#include "Switch.h"
#include "TableView.h"
#include "TextField.h"
#include "Theme.h"
#include "Views.h"

#include <QLabel>
#include <QShortcut>
#include <algorithm>

namespace {

const QString kCodeCellIdentifier = QStringLiteral("CurrencyCodeCell");
const QString kLabelCellIdentifier = QStringLiteral("CurrencyLabelCell");
const QString kRateCellIdentifier = QStringLiteral("CurrencyRateCell");
const QString kKeepRateCellIdentifier = QStringLiteral("CurrencyKeepRateCell");
constexpr int kKeepRateLabelTag = 97;

// The placeholders are examples of what to type, not texts to translate.
const QString kLocalCodePlaceholder = QStringLiteral("USD");
const QString kForeignCodePlaceholder = QStringLiteral("GBP");
const QString kNamePlaceholder = QStringLiteral("British Pound");

constexpr int kMaxCodeLength = 3;

} // namespace

EditViewController::EditViewController(CurrencyManager& manager, QObject* parent)
    : ViewController(parent), m_manager(manager) {
    setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Currency")));
    auto* cancelItem = new BarButtonItem(BarButtonItem::SystemItem::Cancel);
    connect(cancelItem, &BarButtonItem::triggered, this, &EditViewController::cancel);
    navigationItem()->setLeftBarButtonItem(cancelItem);
    m_saveItem = new BarButtonItem(BarButtonItem::SystemItem::Save);
    connect(m_saveItem, &BarButtonItem::triggered, this, &EditViewController::save);
    navigationItem()->setRightBarButtonItem(m_saveItem);
    updateSaveButton();

    // The editor follows its record: gone from the list, it closes without saving; the footer names
    // the local currency of the moment.
    connect(&m_manager, &CurrencyManager::foreignCurrencyRemoved, this,
            &EditViewController::closeIfRecordLeft);
    connect(&m_manager, &CurrencyManager::foreignCurrenciesChanged, this,
            &EditViewController::closeIfRecordLeft);
    connect(&m_manager, &CurrencyManager::localCurrencyChanged, this, [this] {
        if (m_tableView)
            m_tableView->reloadData();
    });
}

void EditViewController::closeIfRecordLeft() {
    const auto foreign = std::dynamic_pointer_cast<ForeignCurrency>(m_currency);
    if (!foreign || m_manager.foreignCurrencies().contains(foreign))
        return;
    // Nothing is saved: the manager refuses edits of a record its list no longer holds.
    NavigationController* navigation = navigationController();
    if (navigation && navigation->topViewController() == this)
        navigation->popViewControllerAnimated(appearance() == Appearance::Appeared);
}

EditViewController::~EditViewController() {
    for (TextField* field : {m_codeField.data(), m_nameField.data(), m_rateField.data()}) {
        if (field)
            field->setDelegate(nullptr);
    }
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

EditViewController::Mode EditViewController::mode() const {
    if (std::dynamic_pointer_cast<LocalCurrency>(m_currency))
        return Mode::Local;
    return m_currency ? Mode::Edit : Mode::NewCurrency;
}

void EditViewController::loadView() {
    auto table = std::make_unique<TableView>(TableView::Style::Grouped);
    table->setObjectName(QStringLiteral("editorTable"));
    table->setDataSource(this);
    table->setDelegate(this);
    // Rows are never selected, so a tap beside a field must not take the focus (the keyboard) away.
    table->setFocusPolicy(Qt::NoFocus);
    // Escape is the keyboard's Cancel, wherever the focus is on the editor.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), table.get());
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &EditViewController::cancel);
    m_tableView = table.get();
    setView(std::move(table));
}

TableView* EditViewController::tableView() {
    view();
    return m_tableView;
}

void EditViewController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    setTitle(mode() == Mode::Local ? localized(QT_TRANSLATE_NOOP("Localizable", "Master Currency"))
                                   : localized(QT_TRANSLATE_NOOP("Localizable", "Foreign Currency")));
    tableView()->reloadData();
    updateSaveButton();
}

void EditViewController::viewDidAppear(bool animated) {
    ViewController::viewDidAppear(animated);
    for (TextField* field : {m_codeField.data(), m_rateField.data(), m_nameField.data()}) {
        if (field && field->isEnabled()) {
            field->becomeFirstResponder();
            return;
        }
    }
}

int EditViewController::numberOfRowsInSection(TableView*, int) {
    return mode() == Mode::Local ? 1 : 4;
}

QString EditViewController::titleForFooterInSection(TableView*, int) {
    if (mode() == Mode::Local)
        return localized(
            QT_TRANSLATE_NOOP("Localizable", "Automatic updates are supported \nfor 190+ world currencies"));
    const auto local = m_manager.localCurrency();
    return localized(QT_TRANSLATE_NOOP("Localizable", "Value of 1 %@ in above currency"))
        .replace(QStringLiteral("%@"), local ? local->currencyCode() : QString());
}

bool EditViewController::canEditRowAtIndexPath(TableView*, const IndexPath&) {
    return false;
}

std::optional<IndexPath> EditViewController::willSelectRowAtIndexPath(TableView*, const IndexPath&) {
    return std::nullopt; // only the fields inside the rows take touches
}

std::unique_ptr<TableViewCell> EditViewController::cellForRowAtIndexPath(TableView* tableView,
                                                                         const IndexPath& indexPath) {
    struct RowKind {
        const QString& identifier;
        const char* title;
        QPointer<TextField>& field;
        Qt::InputMethodHints keyboard;
    };
    const Qt::InputMethodHints letters = Qt::ImhPreferUppercase | Qt::ImhNoPredictiveText;
    std::optional<RowKind> kind;
    switch (indexPath.row()) {
    case CodeRow:
        kind.emplace(
            RowKind{kCodeCellIdentifier, QT_TRANSLATE_NOOP("Localizable", "Code"), m_codeField, letters});
        break;
    case NameRow:
        kind.emplace(
            RowKind{kLabelCellIdentifier, QT_TRANSLATE_NOOP("Localizable", "Name"), m_nameField, letters});
        break;
    case RateRow:
        kind.emplace(RowKind{kRateCellIdentifier, QT_TRANSLATE_NOOP("Localizable", "Exchange Rate"),
                             m_rateField, letters | Qt::ImhPreferNumbers});
        break;
    case KeepRateRow:
        return mode() == Mode::Local ? nullptr : keepRateCell(tableView);
    default:
        return nullptr;
    }

    std::unique_ptr<TableViewCell> cell = tableView->dequeueReusableCellWithIdentifier(kind->identifier);
    // A field is filled from the currency once, when it is made: a later reload (the editor shown
    // again after a tab switch, a new footer) keeps what the user has typed.
    const bool made = !cell;
    if (!cell) {
        cell = std::make_unique<TableViewCell>(kind->identifier);
        cell->textLabel()->setText(localized(kind->title));
        cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
        QWidget* content = cell->contentView();
        const qreal maxX = content->rect().right() + 1;

        auto* field = new TextField(content);
        setFrame(field, QRectF(maxX - 210, 11, 200, 32));
        Autoresizing::setMask(field, Autoresizing::FlexibleLeftMargin);
        // Top-aligned, so that the text stands on the same line as the row's title.
        field->setAlignment(Qt::AlignRight | Qt::AlignTop);
        field->setTextColor(Theme::valueTextColor());
        field->setInputMethodHints(kind->keyboard);
        if (indexPath.row() == CodeRow)
            field->setAutocapitalization(TextField::Autocapitalization::AllCharacters);
        if (indexPath.row() == RateRow) {
            field->setPlaceholderText(
                longExchangeRateFormatter().stringFromDecimal(Decimal::fromString("1.5852")));
            // A desktop keyboard's "." must work where the locale writes a comma.
            field->setDecimalSeparator(longExchangeRateFormatter().decimalSeparator());
        }
        kind->field = field;
        if (indexPath.row() != NameRow)
            connect(field, &QLineEdit::textChanged, this, &EditViewController::updateSaveButton);
    }

    const auto foreign = std::dynamic_pointer_cast<ForeignCurrency>(m_currency);
    switch (indexPath.row()) {
    case CodeRow:
        if (mode() == Mode::Local) {
            m_codeField->setEnabled(true);
            m_codeField->setPlaceholderText(kLocalCodePlaceholder);
            if (made)
                m_codeField->setText(m_suggestedCode);
        } else {
            m_codeField->setEnabled(!m_currency);
            m_codeField->setPlaceholderText(kForeignCodePlaceholder);
            if (made)
                m_codeField->setText(m_currency ? m_currency->currencyCode() : m_suggestedCode);
        }
        m_codeField->setDelegate(this);
        break;
    case NameRow:
        m_nameField->setPlaceholderText(kNamePlaceholder);
        if (made)
            m_nameField->setText(m_currency ? m_manager.currencyNames().displayName(*m_currency) : QString());
        // Done in the name field saves too, like in the other two; its edits are never refused.
        m_nameField->setDelegate(this);
        break;
    case RateRow:
        if (made) {
            m_shownRateText = foreign && foreign->rate()
                                  ? longExchangeRateFormatter().stringFromDecimal(*foreign->rate())
                                  : QString();
            m_rateField->setText(m_shownRateText);
        }
        m_rateField->setDelegate(this);
        break;
    default:
        break;
    }
    updateSaveButton();
    return cell;
}

std::unique_ptr<TableViewCell> EditViewController::keepRateCell(TableView* tableView) {
    std::unique_ptr<TableViewCell> cell =
        tableView->dequeueReusableCellWithIdentifier(kKeepRateCellIdentifier);
    if (!cell) {
        cell = std::make_unique<TableViewCell>(kKeepRateCellIdentifier);
        cell->setSelectionStyle(TableViewCell::SelectionStyle::None);
        QWidget* content = cell->contentView();
        const qreal maxX = content->rect().right() + 1;
        // The words reach to just before the switch; a long translation shrinks within a floor.
        auto* label = new Label(content);
        setFrame(label, QRectF(10, 11, maxX - 28 - Switch::kSize.width(), 22));
        Autoresizing::setMask(label, Autoresizing::FlexibleWidth);
        label->setFont(cell->textLabel()->font());
        label->setTextColor(Theme::labelColor());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setAdjustsFontSizeToFitWidth(true);
        label->setMinimumFontSize(12);
        setTag(label, kKeepRateLabelTag);
        auto* keep = new Switch(content);
        setFrame(keep, QRectF(maxX - 10 - Switch::kSize.width(), 7, Switch::kSize.width(), 32));
        Autoresizing::setMask(keep, Autoresizing::FlexibleLeftMargin);
        keep->setObjectName(QStringLiteral("keepRateSwitch"));
        // Like the fields, the switch is set from the record once: a reload keeps the user's choice.
        const auto foreign = std::dynamic_pointer_cast<ForeignCurrency>(m_currency);
        keep->setOn(foreign && foreign->keepsRate());
        m_keepRateSwitch = keep;
    }
    const QString words = localized(QT_TRANSLATE_NOOP("Localizable", "Keep this rate"));
    if (auto* label = viewWithTag<Label>(cell->contentView(), kKeepRateLabelTag))
        label->setText(words);
    if (m_keepRateSwitch)
        m_keepRateSwitch->setAccessibleName(words);
    return cell;
}

bool EditViewController::isAcceptableRateText(const QString& candidate) {
    // Emptying the field is allowed: saving reads an empty rate as 1.
    if (candidate.isEmpty())
        return true;
    const NumberFormatter& formatter = longExchangeRateFormatter();
    const std::optional<Decimal> value = formatter.decimalFromString(candidate);
    if (!value)
        return false;
    const QString rendering = formatter.stringFromDecimal(*value);
    if (rendering == candidate || rendering.startsWith(candidate))
        return true;
    if (!candidate.startsWith(rendering))
        return false;
    for (qsizetype i = rendering.size(); i < candidate.size(); ++i) {
        if (candidate.at(i) != u'0')
            return false;
    }
    return true;
}

bool EditViewController::shouldChangeCharactersInRange(TextField* field, int location, int length,
                                                       const QString& replacement) {
    const QString candidate = field->text().replace(location, length, replacement);
    if (field == m_codeField)
        return candidate.size() <= kMaxCodeLength;
    if (field == m_rateField)
        return isAcceptableRateText(candidate);
    return true;
}

bool EditViewController::textFieldShouldReturn(TextField* field) {
    if (!canSave())
        return false;
    field->resignFirstResponder();
    save();
    return false;
}

bool EditViewController::canSave() const {
    if (!m_codeField || m_codeField->text().isEmpty())
        return false;
    if (mode() == Mode::Local || !m_rateField || m_rateField->text().isEmpty())
        return true;
    // A rate of 0 converts everything into nothing; any greater one, however small, is a real rate.
    const std::optional<Decimal> rate = longExchangeRateFormatter().decimalFromString(m_rateField->text());
    return rate && *rate > Decimal(0);
}

void EditViewController::updateSaveButton() {
    if (m_saveItem)
        m_saveItem->setEnabled(canSave());
}

void EditViewController::save() {
    // A currency without a code can never be looked up, and as the local currency it would rebuild
    // the whole list around nothing.
    if (!canSave())
        return;
    const QString code = m_codeField->text();
    const QString name = m_nameField ? m_nameField->text() : QString();

    if (mode() == Mode::Local) {
        auto local = LocalCurrency::create(code);
        local->setLabel(name);
        m_manager.setLocalCurrency(local);
        m_currency = local;
    } else {
        auto foreign = std::dynamic_pointer_cast<ForeignCurrency>(m_currency);
        const QString rateText = m_rateField ? m_rateField->text() : QString();
        // The typed rate replaces any starting rate the insertion filled in; an empty field means 1.
        // A rate left as it was shown is no typed one: it keeps its download date and its digits
        // beyond the field's ten.
        std::optional<Decimal> rate;
        if (!foreign || rateText != m_shownRateText)
            rate = rateText.isEmpty() ? std::optional<Decimal>(Decimal(1))
                                      : longExchangeRateFormatter().decimalFromString(rateText);
        // A catalogue name shown in the user's language is stored as it was unless the user changed it.
        QString label = foreign ? m_manager.currencyNames().nameToStore(code, foreign->label(), name) : name;
        if (!foreign) {
            const auto& list = m_manager.foreignCurrencies();
            const bool listed = std::any_of(
                list.begin(), list.end(), [&](const auto& record) { return record->currencyCode() == code; });
            // A code already listed is that record, moved to the top: it takes what was typed and
            // keeps what was left empty.
            foreign = m_manager.placeForeignCurrencyAtTop(code);
            m_currency = foreign;
            if (listed && label.isEmpty())
                label = foreign->label();
            if (listed && rateText.isEmpty())
                rate = std::nullopt;
        }
        m_manager.editForeignCurrency(foreign, label, rate, m_keepRateSwitch && m_keepRateSwitch->isOn());
    }
    if (NavigationController* navigation = navigationController())
        navigation->popViewControllerAnimated(true);
}

void EditViewController::cancel() {
    if (NavigationController* navigation = navigationController())
        navigation->popViewControllerAnimated(true);
}
