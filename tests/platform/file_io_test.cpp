// Whole-file reads and crash-safe writes on real files: what a save leaves on
// disk, with what permissions, and what a refused write leaves behind.

#include "disk.h"
#include "platform/file_io.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace lb {
namespace {

using test::permissions;
using test::readBytes;
using test::writeBytes;

class FileIo : public ::testing::Test {
protected:
    ~FileIo() override { setWriteFaultHook({}); }
    test::TempFolder folder;
};

TEST_F(FileIo, ANewFileIsTheOwnersAloneAndAnOldOneKeepsItsMode) {
    const std::string path = folder / "new.lockbk";
    ASSERT_FALSE(writeFileSafely(path, "first"));
    EXPECT_EQ(readBytes(path), "first");
    EXPECT_EQ(permissions(path), 0600u);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_FALSE(writeFileSafely(path, "second"));
    EXPECT_EQ(readBytes(path), "second");
    EXPECT_EQ(permissions(path), 0640u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"new.lockbk"});
    std::string read;
    ASSERT_FALSE(readWholeFile(path, read));
    EXPECT_EQ(read, "second");
}

TEST_F(FileIo, AWriteRefusedHalfwayLeavesTheOldFileAndNothingElse) {
    const std::string path = folder / "big.lockbk";
    writeBytes(path, "the old file");
    std::size_t writtenWhenRefused = 0;
    setWriteFaultHook([&](std::size_t written) {
        writtenWhenRefused = written;
        return written == 0 ? 0 : ENOSPC;
    });
    const auto error = writeFileSafely(path, std::string(3 << 20, 'x'));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, ENOSPC);
    EXPECT_GT(writtenWhenRefused, 0u);
    EXPECT_EQ(readBytes(path), "the old file");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"big.lockbk"});
}

TEST_F(FileIo, FailuresCarryTheSystemsErrorNumber) {
    std::string bytes;
    EXPECT_EQ(readWholeFile(folder / "missing", bytes)->number, ENOENT);
    EXPECT_EQ(readWholeFile(folder.path(), bytes)->number, EISDIR);
    EXPECT_EQ(writeFileSafely(folder / "no/such/folder", "x")->number, ENOENT);
    EXPECT_EQ(writeFileSafely(folder.path(), "x")->number, EISDIR);
}

} // namespace
} // namespace lb
