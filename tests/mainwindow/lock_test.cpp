// The lock as a person meets it: File > Lock over whatever is open, the
// unlock with a wrong and then the right password, everything back as it was,
// the idle time, the desktop's lock and sleep signals on a private bus, and
// the process's own memory read back after the lock.

#include "account_files.h"
#include "core/account_file.h"
#include "dialogs/password_prompt.h"
#include "main_window_fixture.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "store/open_file.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QProcess>
#include <fstream>
#include <sodium.h>

namespace lb::test {
namespace {

class Lock : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        showWindow();
    }

    // An open sealed file with three accounts, the second shown.
    void haveOpenFile() {
        std::vector<Account> accounts = {{"Bank", "anna", "s3cret", "", ""},
                                         {"Mail", "bob", "hunter2", "", "work"},
                                         {"Shop", "carl", "pw3", "", ""}};
        window->table().replaceAll(std::move(accounts));
        window->currentFile().CurrentPassword = SecretBytes(std::string_view("pass word"));
        window->currentFile().CurrentFileName = QString::fromStdString(folder / "a.lockbk");
        window->currentFile().FileSaved = true;
        window->showAccount(1);
    }

    bool lockedWithin(int ms) {
        for (int waited = 0; waited < ms && !window->isLocked(); waited += 10) {
            QTest::qWait(10);
        }
        return window->isLocked();
    }

    void unlockWith(const QString& password) {
        auto* box = part<QLineEdit>("txtUnlock");
        box->setFocus();
        typeText(box, password);
        QTest::keyClick(box, Qt::Key_Return);
    }

    QString unlockMessage() const { return part<QLabel>("lblUnlockMessage")->text(); }
};

TEST_F(Lock, WhateverIsOpenClosesAsIfCancelledAndTheFileLocks) {
    haveOpenFile();
    writeBytes(folder / "other.lockbk", sealedFile(sampleAccounts(), "other"));
    const struct {
        const char* name;
        std::function<void()> open; // opens a dialog that runs its own loop
    } rows[] = {
        {"the Options", [&] { commands().mnuFileOptions->trigger(); }},
        {"a file dialog",
         [&] {
             ui::setFileDialogHook({});
             commands().mnuFileOpen->trigger();
         }},
        {"a password prompt",
         [&] {
             ui::setPasswordHook({});
             user->willChooseFile(QString::fromStdString(folder / "other.lockbk"));
             commands().mnuFileOpen->trigger();
         }},
        {"a message box",
         [&] {
             ui::setMessageHook({});
             window->currentFile().FileSaved = false;
             commands().mnuFileNew->trigger();
         }},
        {"the clear prompt", [&] { button("cmdViewCopyPassword")->click(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTimer::singleShot(100, window.get(), [this] { window->requestLock(); });
        row.open();
        ASSERT_TRUE(lockedWithin(2000));
        for (QWidget* top : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(top != window.get() && top->isVisible() && qobject_cast<QDialog*>(top))
                << top->objectName().toStdString() << " is still open";
        }
        EXPECT_EQ(window->table().totalCount(), 0) << "wiped";
        EXPECT_EQ(window->currentFile().CurrentFileName.toStdString(), folder / "a.lockbk")
            << "the open file stays the open file";
        user = std::make_unique<FakeUser>(); // the hooks a row took away come back
        unlockWith(QStringLiteral("pass word"));
        ASSERT_FALSE(window->isLocked());
        EXPECT_EQ(window->table().totalCount(), 3);
        window->currentFile().FileSaved = true;
    }
}

TEST_F(Lock, KeepsAnUnsavedEditTheSortTheSelectionTheFindTextAndMiniMode) {
    haveOpenFile();
    clickHeader(1);
    clickHeader(1); // user names, descending: carl, bob, anna
    clickRow(1);
    QLineEdit* user = box("txtViewUserName");
    user->setFocus();
    QTest::keyClick(user, Qt::Key_End);
    typeText(user, QStringLiteral("by"));
    ASSERT_FALSE(window->currentFile().FileSaved);
    part<QLineEdit>("txtFind")->setText(QStringLiteral("b"));
    window->SetMiniMode(true);
    press("Ctrl+L");
    ASSERT_TRUE(window->isLocked());
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(part<QLineEdit>("txtUnlock")->isVisible());
    EXPECT_EQ(window->statusText(), QStringLiteral("Locked"));
    EXPECT_TRUE(part<QLineEdit>("txtFind")->text().isEmpty());
    EXPECT_TRUE(window->currentFile().CurrentPassword.empty());
    EXPECT_FALSE(commands().mnuFileSave->isEnabled());
    EXPECT_TRUE(commands().mnuFileExit->isEnabled());

    unlockWith(QStringLiteral("pass wort"));
    EXPECT_TRUE(window->isLocked());
    EXPECT_EQ(unlockMessage(), QStringLiteral("Wrong password."));
    EXPECT_TRUE(part<QLineEdit>("txtUnlock")->text().isEmpty()) << "asked again";
    unlockWith(QStringLiteral("pass word"));
    ASSERT_FALSE(window->isLocked());
    EXPECT_TRUE(window->inMiniMode());
    EXPECT_EQ(part<QLineEdit>("txtFind")->text(), QStringLiteral("b"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("bobby"));
    EXPECT_EQ(window->table().account(window->ViewingAccount()).user, "bobby");
    EXPECT_FALSE(window->currentFile().FileSaved) << "still unsaved";
    window->SetMiniMode(false);
    part<QLineEdit>("txtFind")->clear();
    EXPECT_EQ(cell(0, 1), QStringLiteral("carl")) << "the sort came back";
    EXPECT_EQ(window->currentFile().CurrentPassword, "pass word");
}

TEST_F(Lock, ANewListIsOnlyHiddenAndExitWhileLockedAsksAboutItsChanges) {
    window->NewFile();
    addAccounts(2);
    press("Ctrl+L");
    ASSERT_TRUE(window->isLocked());
    EXPECT_FALSE(part<QLineEdit>("txtUnlock")->isVisible());
    button("cmdUnlock")->click();
    ASSERT_FALSE(window->isLocked());
    EXPECT_EQ(window->table().totalCount(), 2);

    bool closed = false;
    QObject::connect(window.get(), &FrmMain::unloaded, [&closed] { closed = true; });
    press("Ctrl+L");
    user->willAnswer(QMessageBox::Cancel);
    window->close();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(user->lastMessageText().contains(QStringLiteral("Unlock it to save them")));
    user->willAnswer(QMessageBox::Discard);
    window->close();
    EXPECT_TRUE(closed) << "left without saving";
}

TEST_F(Lock, TheIdleTimeLocksAndAKeyPutsItOff) {
    haveOpenFile();
    settings::SaveSetting(settings::kOptions, settings::kLockAfterIdleMinutes,
                          QStringLiteral("0.01")); // 600 ms
    press("Ctrl+M");
    press("Ctrl+M"); // the person at work: the idle time starts now
    QTest::qWait(300);
    EXPECT_FALSE(window->isLocked());
    EXPECT_TRUE(lockedWithin(3000));
}

// A bus of the test's own, as both the session and the system bus.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address")});
        daemon_.waitForReadyRead(5000);
        address = QString::fromUtf8(daemon_.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
        qputenv("XDG_SESSION_ID", "c7");
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    void send(const char* path, const char* signal, QVariantList args) {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("desktop"));
        bus.registerService(QStringLiteral("org.freedesktop.login1"));
        const QString name = QLatin1String(signal);
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        QDBusMessage message =
            QDBusMessage::createSignal(QLatin1String(path), name.left(dot), name.mid(dot + 1));
        message.setArguments(args);
        bus.send(message);
    }
    QString address;

private:
    QProcess daemon_;
};

class LockSignals : public Lock {
protected:
    void SetUp() override {
        bus_ = std::make_unique<PrivateBus>();
        ASSERT_FALSE(bus_->address.isEmpty()) << "dbus-daemon did not start";
        Lock::SetUp();
        haveOpenFile();
    }
    std::unique_ptr<PrivateBus> bus_;
};

TEST_F(LockSignals, TheScreenLockAndSleepLockTheFileUnlessTheOptionsSayNo) {
    const struct {
        const char* path;
        const char* signal; // interface.member
        QVariantList args;
        bool locks;
    } rows[] = {
        {"/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver.ActiveChanged", {true}, true},
        {"/org/gnome/ScreenSaver", "org.gnome.ScreenSaver.ActiveChanged", {true}, true},
        {"/org/freedesktop/ScreenSaver",
         "org.freedesktop.ScreenSaver.ActiveChanged",
         {false},
         false},
        {"/org/freedesktop/login1", "org.freedesktop.login1.Manager.PrepareForSleep", {true}, true},
        {"/org/freedesktop/login1/session/c7", "org.freedesktop.login1.Session.Lock", {}, true},
        // another person's session
        {"/org/freedesktop/login1/session/c8", "org.freedesktop.login1.Session.Lock", {}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.signal);
        bus_->send(row.path, row.signal, row.args);
        EXPECT_EQ(lockedWithin(2000), row.locks);
        if (window->isLocked()) {
            unlockWith(QStringLiteral("pass word"));
        }
    }
    settings::saveOption(settings::kLockOnScreenLock, false);
    bus_->send(rows[0].path, rows[0].signal, rows[0].args);
    EXPECT_FALSE(lockedWithin(500));
}

// Every readable and writable mapping of this process (its heap, its stacks,
// the memory Qt and libsodium mapped), one at a time, to look at.
void forEachMapping(const std::function<void(std::string_view)>& look) {
    std::ifstream maps("/proc/self/maps");
    std::ifstream mem("/proc/self/mem", std::ios::binary);
    std::string line;
    std::string region;
    while (std::getline(maps, line)) {
        unsigned long from = 0;
        unsigned long to = 0;
        char perms[5] = {};
        if (std::sscanf(line.c_str(), "%lx-%lx %4s", &from, &to, perms) != 3 || perms[0] != 'r' ||
            perms[1] != 'w' || to - from > (1ul << 30)) {
            continue; // beyond 1 GiB: AddressSanitizer's shadow, no data of ours
        }
        region.assign(to - from, '\0');
        mem.clear();
        mem.seekg(static_cast<std::streamoff>(from));
        mem.read(region.data(), static_cast<std::streamsize>(region.size()));
        look(std::string_view(region).substr(
            0, static_cast<std::size_t>(std::max<std::streamsize>(mem.gcount(), 0))));
    }
}

// Password of account i: "Pq7!" + four digits + letters drawn from its number.
std::string passwordOf(int i, std::size_t length) {
    std::string password = "Pq7!" + std::to_string(10000 + i).substr(1);
    for (std::size_t k = password.size(); k < length; ++k) {
        password += static_cast<char>('a' + (i * 7 + static_cast<int>(k) * 13) % 26);
    }
    return password;
}

TEST_F(Lock, LeavesNoPasswordOfAnAccountNeverShownAnywhereInTheProcessMemory) {
    constexpr int kAccounts = 2000;
    {
        // Short passwords live inside their strings, long ones on the heap.
        std::vector<Account> accounts(kAccounts);
        for (int i = 0; i < kAccounts; ++i) {
            accounts[i] = {"Account " + std::to_string(i), "user", passwordOf(i, 10 + i % 20), "",
                           "notes of " + std::to_string(i)};
            accounts[i].id = newAccountId();
        }
        writeBytes(folder / "big.lockbk", sealedFile(accounts, "pass word"));
    }
    press("Ctrl+M"); // masked: no password is drawn in the list
    user->willTypePassword(QStringLiteral("pass word"));
    ASSERT_TRUE(ReadAccountFile(*window, QString::fromStdString(folder / "big.lockbk")));
    clickHeader(4); // sorted by notes, which moves every account
    part<QLineEdit>("txtFind")->setText(QStringLiteral("notes 1"));
    part<QLineEdit>("txtFind")->clear();
    typeText(box("txtViewUserName"), QStringLiteral("x")); // an edit, on the history
    press("Ctrl+L");
    ASSERT_TRUE(window->isLocked());

    // Accounts whose rows were on screen, or in the pane, count as shown.
    const auto shown = [](int i) { return i < 100 || (i >= 1000 && i < 1100); };
    int leaks = 0;
    const std::string plain = "Pq7!";
    const std::string wide("P\0q\0"
                           "7\0!\0",
                           8);
    forEachMapping([&](std::string_view memory) {
        for (const std::string& marker : {plain, wide}) {
            const std::size_t step = marker.size() == 8 ? 2 : 1;
            for (std::size_t at = memory.find(marker); at != std::string::npos && leaks < 5;
                 at = memory.find(marker, at + 1)) {
                std::string found;
                for (std::size_t k = 0; k < 29 && at + k * step < memory.size(); ++k) {
                    found += memory[at + k * step];
                }
                const std::string digits = found.size() >= 8 ? found.substr(4, 4) : std::string();
                if (digits.size() == 4 &&
                    digits.find_first_not_of("0123456789") == std::string::npos) {
                    const int i = std::stoi(digits);
                    std::string expected = passwordOf(i, 10 + i % 20);
                    if (i < kAccounts && !shown(i) &&
                        found.compare(0, expected.size(), expected) == 0) {
                        ++leaks;
                        ADD_FAILURE() << "the password of account " << i << " stands in memory"
                                      << (step == 2 ? " in UTF-16" : "");
                    }
                    sodium_memzero(expected.data(), expected.size());
                }
                sodium_memzero(found.data(), found.size());
            }
        }
    });
}

} // namespace
} // namespace lb::test
