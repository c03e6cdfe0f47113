// A save that the system refuses halfway (a full disk) must leave the old
// file and the program exactly as they were.

#include "flow_fixture.h"
#include "shell/texts.h"
#include "store/safe_file.h"
#include "store/save_file.h"

#include <cerrno>

namespace lb::test {
namespace {

class SaveFaultTest : public FlowTest {
protected:
    ~SaveFaultTest() override { setWriteFaultHook({}); }
};

TEST_F(SaveFaultTest, ADiskFullHalfwayLeavesTheOldFileAndTheStateAsTheyWere) {
    const QString file = path("big.lockbk");
    // Large enough to need several writes, so the failure strikes after some bytes landed.
    std::vector<Account> many(3000, Account{"name", "user", "pw", "url", std::string(500, 'n')});
    writeBytes(file, currentFormatFile(many, "pw"));
    const std::string before = readBytes(file);
    haveOpenFile(file, "pw");
    w.table().replaceAll(many);
    w.table().removeAt(0);
    const std::vector<Account> table = w.table().accounts();
    std::size_t writtenWhenRefused = 0;
    setWriteFaultHook([&](std::size_t written) {
        if (written == 0) {
            return 0;
        }
        writtenWhenRefused = written;
        return ENOSPC;
    });

    EXPECT_FALSE(SaveFile(w));

    EXPECT_GT(writtenWhenRefused, 0u);
    expectOneFailure(texts::unexpectedError(ENOSPC,
                                            QString::fromStdString(systemError(ENOSPC).description),
                                            QStringLiteral("saving the file")));
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<QString>{QStringLiteral("big.lockbk")});
    EXPECT_EQ(w.table().accounts(), table);
    EXPECT_FALSE(w.currentFile().FileSaved);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_EQ(w.currentFile().CurrentPassword, "pw");
    expectIdle();
    EXPECT_TRUE(w.status().isEmpty());
}

} // namespace
} // namespace lb::test
