// Opening an account file in the real main window, timed from the Enter in
// the password dialog to the table filled and the first account shown: the
// wait a person sees after typing the password. A full list of 5,000 accounts
// with 500-character notes, and a file of 100,000 accounts such as another
// program might have written.

#include "core/classic_file.h"
#include "mainwindow/frm_main.h"
#include "platform/file_io.h"
#include "store/open_file.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QString kPassword = QStringLiteral("correct horse battery staple");

std::vector<lb::Account> accounts(int count) {
    std::vector<lb::Account> list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        list.push_back({"Account " + n, "user" + n + "@example.org", "Pw!" + n + "x9q2",
                        "https://site" + n + ".example.org/login",
                        std::string(500, static_cast<char>('a' + i % 26))});
    }
    return list;
}

void openFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.lockbk"));
    const std::string bytes = lb::encodeClassicFile(accounts(static_cast<int>(state.range(0))),
                                                    kPassword.toStdString(), lb::randomSource());
    if (lb::writeFileSafely(path.toStdString(), bytes)) {
        state.SkipWithError("cannot write the file to open");
        return;
    }
    lb::FrmMain window;
    window.show();

    Clock::time_point enter;
    for (auto _ : state) {
        // Types the password while the dialog waits, and presses Enter.
        QTimer::singleShot(0, &window, [&] {
            auto* box = QApplication::activeModalWidget()->findChild<QLineEdit*>(
                QStringLiteral("txtPassword"));
            box->setText(kPassword);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            enter = Clock::now();
            QApplication::sendEvent(box, &press);
        });
        const bool read = lb::ReadAccountFile(window, path);
        const auto shown = Clock::now();
        if (!read || window.ViewingAccount() != 0) {
            state.SkipWithError("the file was not opened");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - enter).count());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    window.currentFile().FileSaved = true;
}
BENCHMARK(openFile)->Arg(5000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
