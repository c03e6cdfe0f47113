// Other versions of the open file as a person meets them: the file another
// computer changed while it was open here, merged at Save, and a sync tool's
// conflict copy found at Open. What counts is the list, the status bar, the
// bytes on disk and the trash.

#include "core/account_file.h"
#include "core/clock.h"
#include "flow_fixture.h"
#include "store/open_file.h"
#include "store/save_file.h"

namespace lb::test {
namespace {

// The sample accounts as a file that keeps times holds them, saved a minute ago.
std::vector<Account> savedAccounts() {
    std::vector<Account> accounts = sampleAccounts();
    for (Account& a : accounts) {
        a.created = a.modified = nowMs() - 60'000;
    }
    return accounts;
}

Account added(const char* name) {
    Account a = newAccount(nowMs());
    a.name = name;
    return a;
}

DecodeResult readBack(const QString& file, std::string_view password) {
    DecodeResult r = decodeAccountFile(readBytes(file.toStdString()), password);
    EXPECT_EQ(r.outcome, DecodeOutcome::Read);
    return r;
}

using MergeFlow = FlowTest;

TEST_F(MergeFlow, SaveMergesTheFileChangedOnDiskOpenedWithItsOwnMasterPassword) {
    const QString file = path("shared.lockbk");
    haveOpenFile(file, "pw");
    w.table().replaceAll(savedAccounts());
    w.currentFile().kind = FileKind::Sealed;
    ASSERT_TRUE(SaveFile(w));
    // The other computer changes Mail's password, adds an account and saves
    // under a master password of its own; here Bank's notes change.
    DecodeResult other = readBack(file, "pw");
    changeField(other.accounts[1], Field::Password, "n\u00e9w", nowMs());
    other.accounts.push_back(added("Laptop"));
    const std::string theirs = encodeAccountFile(FileKind::Sealed, other.accounts, {}, "laptop",
                                                 randomSource(), kCheapKdf);
    writeBytes(file.toStdString(), theirs);
    w.table().setField(0, Field::Notes, "here");
    const std::vector<Account> ours = w.table().accounts();

    user.willPressEnter();
    user.willCancelPassword();
    EXPECT_FALSE(SaveFile(w));
    EXPECT_EQ(w.table().accounts(), ours);
    EXPECT_EQ(readBytes(file.toStdString()), theirs);

    user.willPressEnter();
    user.willTypePassword(QStringLiteral("wrong"));
    user.willTypePassword(QStringLiteral("laptop"));
    ASSERT_TRUE(SaveFile(w));
    std::vector<Account> both = ours;
    both[1].password = "n\u00e9w";
    both.push_back(added("Laptop"));
    EXPECT_EQ(readBack(file, "pw").accounts, both) << "saved with this window's password";
    EXPECT_EQ(user.lastMessageText(), QStringLiteral("Wrong password."));
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.messages.size(), 3u) << "what was merged is not asked about again";
}

class ConflictCopyFlow : public FlowTest {
protected:
    ConflictCopyFlow() : dataHome(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path()));
    }
    ~ConflictCopyFlow() override { qputenv("XDG_DATA_HOME", dataHome); }

    bool open(const QString& file) {
        user.willChooseFile(file);
        user.willTypePassword(QStringLiteral("pw"));
        return OpenFile(w);
    }

    TempFolder data;
    QByteArray dataHome;
};

TEST_F(ConflictCopyFlow, ACopyBesideTheOpenedFileIsMergedOnlyOnMergeThenSavedAndTrashed) {
    const QString file = path("accounts.lockbk");
    const std::string copyName = "accounts (conflicted copy 2026-12-07 101500).lockbk";
    const std::vector<Account> base = savedAccounts();
    std::vector<Account> laptop = base;
    laptop.push_back(added("Laptop"));
    writeBytes(file.toStdString(), sealedFile(base, "pw"));
    const std::string copy = sealedFile(laptop, "pw");
    writeBytes(folder / copyName, copy);

    user.willAnswer(QMessageBox::No);
    ASSERT_TRUE(open(file));
    EXPECT_TRUE(user.lastMessageText().contains(QString::fromStdString(copyName)));
    EXPECT_EQ(w.table().accounts(), base);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{copyName, "accounts.lockbk"}));

    user.willPressEnter();
    ASSERT_TRUE(open(file));
    EXPECT_EQ(w.table().accounts(), laptop);
    EXPECT_EQ(readBack(file, "pw").accounts, laptop);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"accounts.lockbk"});
    EXPECT_EQ(readBytes(data / ("Trash/files/" + copyName)), copy);
    EXPECT_TRUE(w.statusText.contains(QStringLiteral("1 account from the conflict copy")))
        << w.statusText.toStdString();
}

} // namespace
} // namespace lb::test
