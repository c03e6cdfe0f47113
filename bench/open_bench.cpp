// Opening an account file in the real main window, timed from the Enter in
// the password dialog to the table filled and the first account shown: the
// wait a person sees after typing the password. A full list of 5,000 accounts
// with 500-character notes, and a file of 100,000 accounts such as another
// program might have written; and the full list sealed, with the least key
// derivation Argon2id allows, so that what remains of a sealed file's wait is
// the records, the cipher and the list (sealed_bench times the derivation).

#include "core/classic_file.h"
#include "core/sealed_file.h"
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
constexpr lb::KdfCost kNegligibleKdf{1, 8};

std::vector<lb::Account> accounts(int count) {
    std::vector<lb::Account> list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        // A sealed file keeps each account's identity, which must be its own.
        lb::Account account = lb::newAccount(1700000000000);
        account.name = "Account " + n;
        account.user = "user" + n + "@example.org";
        account.password = "Pw!" + n + "x9q2";
        account.url = "https://site" + n + ".example.org/login";
        account.notes = std::string(500, static_cast<char>('a' + i % 26));
        list.push_back(std::move(account));
    }
    return list;
}

void openFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.lockbk"));
    const auto list = accounts(static_cast<int>(state.range(0)));
    const std::string password = kPassword.toStdString();
    const std::string bytes = state.range(1) == 1
                                  ? lb::encodeSealedFile(list, {}, password, kNegligibleKdf)
                                  : lb::encodeClassicFile(list, password, lb::randomSource());
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
            // A copy of its own, as typing makes: the dialog wipes the box's
            // text in place, which the literal's read-only memory would refuse.
            box->setText(QString(kPassword.constData(), kPassword.size()));
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
BENCHMARK(openFile)
    ->ArgNames({"accounts", "sealed"})
    ->Args({5000, 0})
    ->Args({100000, 0})
    ->Args({5000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
