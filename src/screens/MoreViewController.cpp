#include "MoreViewController.h"

#include "Bundle.h"
#include "ImageView.h"
#include "Label.h"
#include "MoreTableViewCell.h"
#include "OpenURLOrCopy.h"
#include "TableView.h"

#include <QDesktopServices>
#include <QPixmap>

namespace {

const QString kCellIdentifier = QStringLiteral("MoreTableViewCell");

// Phone applications (Android) link to their store pages, desktop ones to their web pages. None of
// them is Ratepad's: each row names the project that makes it.
const MoreViewController::Application kPhoneApplications[] = {
    {QT_TRANSLATE_NOOP("Localizable", "Currencies"), "icon-currencies.png",
     QT_TRANSLATE_NOOP("Localizable", "Exchange rates for many currencies"),
     "https://f-droid.org/packages/de.salomax.currencies/", "sal0max"},
    {QT_TRANSLATE_NOOP("Localizable", "Simple Calculator"), "icon-simplecalculator.png",
     QT_TRANSLATE_NOOP("Localizable", "A calculator without clutter"),
     "https://f-droid.org/packages/com.simplemobiletools.calculator/", "Simple Mobile Tools"},
    {QT_TRANSLATE_NOOP("Localizable", "Calculator++"), "icon-calculatorpp.png",
     QT_TRANSLATE_NOOP("Localizable", "Scientific calculator with history"),
     "https://f-droid.org/packages/org.solovyev.android.calculator/", "Sergey Solovyev"},
    {QT_TRANSLATE_NOOP("Localizable", "Unit Converter Ultimate"), "icon-unitconverter.png",
     QT_TRANSLATE_NOOP("Localizable", "Converts units of every kind"),
     "https://f-droid.org/packages/com.physphil.android.unitconverterultimate/", "Phil Shadlyn"},
};
const MoreViewController::Application kDesktopApplications[] = {
    {QT_TRANSLATE_NOOP("Localizable", "Qalculate!"), "icon-qalculate.png",
     QT_TRANSLATE_NOOP("Localizable", "Calculator with units and currencies"), "https://qalculate.github.io/",
     "Hanna Knutsson"},
    {QT_TRANSLATE_NOOP("Localizable", "GNOME Calculator"), "icon-gnomecalculator.png",
     QT_TRANSLATE_NOOP("Localizable", "Desktop calculator with currency conversion"),
     "https://apps.gnome.org/Calculator/", "GNOME"},
};

} // namespace

MoreViewController::MoreViewController(UrlOpener openURL, QObject* parent)
    : ViewController(parent), m_openURL(std::move(openURL)) {
    if (!m_openURL)
        m_openURL = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "More")));
}

const MoreViewController::Application* MoreViewController::applicationAt(const IndexPath& indexPath) {
    const int row = indexPath.row();
    if (indexPath.section() == 0 && row >= 0 && row < static_cast<int>(std::size(kPhoneApplications)))
        return &kPhoneApplications[row];
    if (indexPath.section() == 1 && row >= 0 && row < static_cast<int>(std::size(kDesktopApplications)))
        return &kDesktopApplications[row];
    return nullptr;
}

void MoreViewController::loadView() {
    auto table = std::make_unique<TableView>(TableView::Style::Plain);
    table->setObjectName(QStringLiteral("moreTable"));
    table->setRowHeight(MoreTableViewCell::rowHeight);
    table->setDataSource(this);
    table->setDelegate(this);
    m_tableView = table.get();
    setView(std::move(table));
}

int MoreViewController::numberOfSections(TableView*) {
    return 2;
}

QString MoreViewController::titleForHeaderInSection(TableView*, int section) {
    switch (section) {
    case 0:
        return localized(QT_TRANSLATE_NOOP("Localizable", "Phone Applications"));
    case 1:
        return localized(QT_TRANSLATE_NOOP("Localizable", "Desktop Applications"));
    default:
        return localized(QT_TRANSLATE_NOOP("Localizable", "-"));
    }
}

int MoreViewController::numberOfRowsInSection(TableView*, int section) {
    switch (section) {
    case 0:
        return static_cast<int>(std::size(kPhoneApplications));
    case 1:
        return static_cast<int>(std::size(kDesktopApplications));
    default:
        return 0;
    }
}

std::unique_ptr<TableViewCell> MoreViewController::cellForRowAtIndexPath(TableView* tableView,
                                                                         const IndexPath& indexPath) {
    std::unique_ptr<TableViewCell> cell = tableView->dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell)
        cell = std::make_unique<MoreTableViewCell>(kCellIdentifier);
    auto* more = static_cast<MoreTableViewCell*>(cell.get());
    if (const Application* app = applicationAt(indexPath)) {
        more->nameLabel()->setText(localized(app->displayName));
        more->iconImageView()->setImage(
            QPixmap(QStringLiteral(":/") + QString::fromLatin1(app->iconImageName)));
        more->descriptionLabel()->setText(localized(app->description));
        more->makerLabel()->setText(localized(QT_TRANSLATE_NOOP("Localizable", "Made by %@"))
                                        .replace(QStringLiteral("%@"), QString::fromUtf8(app->maker)));
        more->layoutTexts();
    }
    return cell;
}

std::optional<TableViewCell::AccessoryType>
MoreViewController::accessoryTypeForRowWithIndexPath(TableView*, const IndexPath&) {
    return TableViewCell::AccessoryType::DetailDisclosureButton;
}

std::optional<IndexPath> MoreViewController::willSelectRowAtIndexPath(TableView* tableView,
                                                                      const IndexPath& indexPath) {
    tableView->deselectRowAtIndexPath(indexPath, true);
    return std::nullopt;
}

void MoreViewController::accessoryButtonTappedForRowWithIndexPath(TableView*, const IndexPath& indexPath) {
    const Application* app = applicationAt(indexPath);
    if (!app)
        return;
    const QUrl link(QString::fromLatin1(app->link));
    openURLOrCopy(link, view()->window(), m_openURL);
}
