// The main window with large tables: adding, one keystroke of write-back,
// sorting, toggling the mask and a full relayout. The table is a model, so
// the per-keystroke and per-toggle costs must not grow with the row count.

#include "mainwindow/frm_main.h"
#include "platform/message_box.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

std::vector<lb::Account> makeAccounts(std::int64_t count) {
    std::vector<lb::Account> accounts(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const std::string n = std::to_string((i * 7919) % accounts.size());
        accounts[i] = lb::Account{"Account " + n, "user" + n, "pw" + n, "https://example.org/" + n,
                                  "notes " + n};
    }
    return accounts;
}

struct Window {
    Window() {
        window.resize(1000, 600);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            qFatal("the window was never shown");
        }
    }
    ~Window() { window.currentFile().FileSaved = true; }
    lb::FrmMain window;
};

void BM_AddFiveThousandAccounts(benchmark::State& state) {
    for (auto _ : state) {
        Window w;
        w.window.NewFile();
        for (int i = 0; i < lb::kMaxAccounts; ++i) {
            w.window.AddAccount();
        }
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.window.table().size());
    }
}
BENCHMARK(BM_AddFiveThousandAccounts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_KeystrokeWriteBack(benchmark::State& state) {
    Window w;
    w.window.table().replaceAll(makeAccounts(state.range(0)));
    w.window.showAccount(static_cast<int>(state.range(0) / 2));
    auto* box = w.window.findChild<QLineEdit*>(QStringLiteral("txtViewUserName"));
    box->setFocus();
    bool type = true;
    for (auto _ : state) {
        // Typing and erasing keeps the field's length steady over the run.
        QTest::keyClick(box, type ? Qt::Key_A : Qt::Key_Backspace);
        type = !type;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KeystrokeWriteBack)->Arg(5000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_SortByName(benchmark::State& state) {
    Window w;
    w.window.table().replaceAll(makeAccounts(state.range(0)));
    for (auto _ : state) {
        w.window.table().columnClicked(0); // each click flips the order: a full re-sort
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortByName)->Arg(5000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ToggleMask(benchmark::State& state) {
    Window w;
    w.window.table().replaceAll(makeAccounts(state.range(0)));
    QAction* mask = w.window.commands().mnuViewMaskPasswords;
    for (auto _ : state) {
        mask->trigger();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ToggleMask)->Arg(5000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_Relayout(benchmark::State& state) {
    Window w;
    w.window.table().replaceAll(makeAccounts(state.range(0)));
    for (auto _ : state) {
        w.window.Form_Resize();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Relayout)->Arg(5000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No question may wait for a person during a measurement.
    lb::ui::setMessageHook([](const lb::ui::Message&) { return QMessageBox::No; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
