#include "HelpViewController.h"

#include "Bundle.h"
#include "Theme.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Each paragraph is translated on its own, so a change to one does not void the others.
struct Paragraph {
    const char* heading;
    const char* body;
};

const Paragraph kParagraphs[] = {
    {QT_TRANSLATE_NOOP("Localizable", "Converting"),
     QT_TRANSLATE_NOOP(
         "Localizable",
         "Type an amount on the keypad of the first tab. The upper row shows it in your local "
         "currency and converted into the current foreign currency; the lower row shows the same "
         "amount in the foreign currency and converted back. Results are exact and rounded to "
         "two decimals; a result too small for that shows its first three significant digits. C "
         "clears the amount. On a computer you can type digits and the decimal point (a point or a "
         "comma), take back the last key with Backspace, clear with Escape or Delete, and copy the "
         "converted amount with Ctrl+C.")},
    {QT_TRANSLATE_NOOP("Localizable", "Foreign currencies"),
     QT_TRANSLATE_NOOP("Localizable",
                       "The Rates tab lists your foreign currencies with their rate (how much of the "
                       "foreign currency one unit of your local currency buys) and when their source "
                       "published it (or, where the service does not say, when it was downloaded). Tap a "
                       "currency to make it the one the keypad converts into. Tap Edit to "
                       "delete currencies, to move them by their grips, or to change the name or the rate "
                       "of one. A rate you type reads Your rate until the next download replaces it; with "
                       "Keep this rate on, downloads leave it alone (a pin marks it).")},
    {QT_TRANSLATE_NOOP("Localizable", "Adding currencies"),
     QT_TRANSLATE_NOOP(
         "Localizable",
         "Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds "
         "one by its code or its name. A currency that is not in the list can be typed in with "
         "More, together with its rate. Rates are downloaded only for currencies of the list.")},
    {QT_TRANSLATE_NOOP("Localizable", "Exchange rates"),
     QT_TRANSLATE_NOOP(
         "Localizable",
         "With automatic updates on (the Setup tab), Ratepad downloads every rate when the last "
         "download is six hours old, and rates that are still missing whenever it starts. The "
         "refresh button of the Rates tab downloads all rates at once. Until a rate has been "
         "downloaded, a starting rate shipped with Ratepad is used, so conversions work "
         "offline from the first start.")},
    {QT_TRANSLATE_NOOP("Localizable", "Local currency"),
     QT_TRANSLATE_NOOP("Localizable",
                       "The Setup tab also changes your local currency. A new local currency replaces the "
                       "foreign list with a fresh starting list, so Ratepad asks before it does so.")},
    {QT_TRANSLATE_NOOP("Localizable", "Keyboard"),
     QT_TRANSLATE_NOOP("Localizable",
                       "Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and "
                       "the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the "
                       "controls; in a list the arrow keys move the highlight and Return or Space chooses "
                       "the row. While the Rates list is being edited, Delete or Backspace asks to delete "
                       "the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.")},
    {QT_TRANSLATE_NOOP("Localizable", "Your data"),
     QT_TRANSLATE_NOOP("Localizable",
                       "Your currencies, rates and settings are saved on this computer a moment after every "
                       "change and when Ratepad quits. Nothing is sent anywhere except the currency codes of "
                       "the rates being looked up.")},
};

} // namespace

HelpViewController::HelpViewController(QObject* parent) : ViewController(parent) {
    setTitle(localized(QT_TRANSLATE_NOOP("Localizable", "Help")));
}

QString HelpViewController::helpText() {
    QString html;
    for (const Paragraph& p : kParagraphs)
        html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(localized(p.heading).toHtmlEscaped(), localized(p.body).toHtmlEscaped());
    return html;
}

void HelpViewController::loadView() {
    auto view = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(view.get());
    layout->setContentsMargins(10, 10, 10, 10);
    m_textView = new QTextBrowser(view.get());
    m_textView->setObjectName(QStringLiteral("helpText"));
    m_textView->setAccessibleName(localized(QT_TRANSLATE_NOOP("Localizable", "Help")));
    m_textView->setFrameShape(QFrame::NoFrame);
    m_textView->setFont(Theme::systemFont(15));
    m_textView->document()->setDocumentMargin(12);
    m_textView->setHtml(helpText());
    // A thin indicator as on the phone, kept clear of the panel's rounded corners, instead of a
    // desktop scroll bar with arrow buttons cutting into the panel.
    m_textView->setStyleSheet(QStringLiteral(
        "QTextBrowser { background: white; border-radius: 10px; }"
        "QScrollBar:vertical { width: 6px; background: transparent; margin: 12px 2px 12px 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 80); border-radius: 2px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }"));
    layout->addWidget(m_textView);
    setView(std::move(view));
}

void HelpViewController::viewDidLoad() {
    QPalette palette = view()->palette();
    palette.setColor(QPalette::Window, Theme::groupTableViewBackgroundColor());
    view()->setPalette(palette);
    view()->setAutoFillBackground(true);
}
