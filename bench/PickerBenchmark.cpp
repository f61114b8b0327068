// How quickly the currency picker opens and narrows down over the full shipped catalogue: building
// its letter groups and loading the rows of the first screen, and re-grouping after one typed letter.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "AppWindow.h"
#include "BenchmarkMain.h"
#include "Bundle.h"
#include "CurrencyManager.h"
#include "SelectionViewController.h"
#include "UserDefaults.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// A manager over the shipped resources and a throw-away preferences file, and a shown window.
struct PickerEnvironment {
    PickerEnvironment() {
        defaults.registerDefaults(Bundle::mainBundle().dictionaryForResource("UserDefaults"));
        window.makeKeyAndVisible();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the window was not exposed");
    }

    QTemporaryDir dir;
    UserDefaults defaults{dir.path() + "/preferences.plist"};
    CurrencyManager manager{{defaults, Bundle::mainBundle()}};
    AppWindow window;
};

int shownRows(SelectionViewController& picker) {
    return int(picker.tableView()->visibleCells().size());
}

void BM_OpenPicker(benchmark::State& state) {
    PickerEnvironment environment;
    int rows = 0;
    for (auto _ : state) {
        SelectionViewController picker(environment.manager);
        environment.window.setRootViewController(&picker); // shows the view: the first screen of rows
        rows = shownRows(picker);
        environment.window.setRootViewController(nullptr);
    }
    state.counters["catalogue"] = double(environment.manager.knownCurrencies().size());
    state.counters["rows"] = rows;
}
BENCHMARK(BM_OpenPicker)->Unit(benchmark::kMillisecond);

void BM_FilterByOneLetter(benchmark::State& state) {
    PickerEnvironment environment;
    SelectionViewController picker(environment.manager);
    environment.window.setRootViewController(&picker);
    QLineEdit* field = picker.searchField();
    field->setFocus();
    int sections = 0;
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_D, Qt::NoModifier);
        sections = picker.tableView()->numberOfSections();
        state.PauseTiming();
        field->clear();
        state.ResumeTiming();
    }
    state.counters["sections"] = sections;
    environment.window.setRootViewController(nullptr);
}
BENCHMARK(BM_FilterByOneLetter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}
