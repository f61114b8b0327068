#pragma once

#include "ViewController.h"

class QTextBrowser;

// A fixed help text that explains Ratepad, on the grouped-table background.
class HelpViewController final : public ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewController)

public:
    explicit HelpViewController(QObject* parent = nullptr);

    QTextBrowser* textView() const { return m_textView; }

    // The help text as shown, in the current language.
    static QString helpText();

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    QTextBrowser* m_textView = nullptr; // child of the view
};
