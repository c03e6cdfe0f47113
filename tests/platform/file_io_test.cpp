// Whole-file reads and crash-safe writes on real files: what a save leaves on
// disk, with what permissions, and what a refused write leaves behind.

#include "disk.h"
#include "platform/file_io.h"

#include <cerrno>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

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

constexpr int kNotARegularFile = 1017;
constexpr int kTooLarge = 1018;

TEST_F(FileIo, OnlyARegularFileUnderTheCeilingIsReadOrReplacedAndNothingWaits) {
    const struct {
        const char* name;
        std::function<void(const char*)> make;
        int number;
    } rows[] = {
        {"nothing", [](const char*) {}, ENOENT},
        {"a folder", [](const char* p) { ::mkdir(p, 0700); }, kNotARegularFile},
        {"a pipe", [](const char* p) { ::mkfifo(p, 0600); }, kNotARegularFile},
        {"the null device under a name of our own",
         [](const char* p) { ::mknod(p, S_IFCHR | 0600, ::makedev(1, 3)); }, kNotARegularFile},
        {"a sparse file one byte over the ceiling",
         [](const char* p) {
             writeBytes(p, "");
             ASSERT_EQ(::truncate(p, static_cast<off_t>(kMaxFileBytes + 1)), 0);
         },
         kTooLarge},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder own;
        const std::string path = own / "thing";
        row.make(path.c_str());
        std::string bytes = "untouched";
        // A pipe would block here.
        EXPECT_EQ(readWholeFile(path, bytes).value_or(Error{}).number, row.number);
        EXPECT_EQ(bytes, "untouched");
        if (row.number == kNotARegularFile) {
            for (const Permissions kind : {Permissions::Kept, Permissions::OwnerOnly}) {
                EXPECT_EQ(writeFileSafely(path, "secret", kind).value_or(Error{}).number,
                          kNotARegularFile);
            }
            struct stat st {};
            ASSERT_EQ(::lstat(path.c_str(), &st), 0);
            EXPECT_FALSE(S_ISREG(st.st_mode));
            EXPECT_EQ(own.entries(), std::vector<std::string>{"thing"});
        }
    }
    std::string bytes;
    EXPECT_EQ(readWholeFile("/dev/zero", bytes)->number, kNotARegularFile);
    EXPECT_EQ(writeFileSafely(folder / "no/such/folder", "x")->number, ENOENT);
}

TEST_F(FileIo, ALinkIsWrittenThroughAndStaysALink) {
    ASSERT_EQ(::mkdir((folder / "real").c_str(), 0700), 0);
    const std::string target = folder / "real/accounts.lockbk";
    writeBytes(target, "old");
    const std::string link = folder / "link.lockbk";
    ASSERT_EQ(::symlink("real/accounts.lockbk", link.c_str()), 0);
    ASSERT_FALSE(writeFileSafely(link, "new"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"link.lockbk", "real"}));
}

TEST_F(FileIo, AnExportOverAnOldFileLeavesItTheOwnersAlone) {
    const std::string path = folder / "export.csv";
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_FALSE(writeFileSafely(path, "new", Permissions::OwnerOnly));
    EXPECT_EQ(permissions(path), 0600u);
}

TEST_F(FileIo, LongNamesAndFileSystemsWithoutUnnamedFilesStillSave) {
    for (const bool unnamed : {true, false}) {
        setUnnamedTemporaryFiles(unnamed);
        const std::string path = folder / std::string(255, unnamed ? 'u' : 'n');
        ASSERT_FALSE(writeFileSafely(path, "first"));
        ASSERT_FALSE(writeFileSafely(path, "second"));
        EXPECT_EQ(readBytes(path), "second");
    }
    setUnnamedTemporaryFiles(true);
    EXPECT_EQ(folder.entries().size(), 2u); // no temporary file left behind
}

TEST_F(FileIo, ASaveRemovesWhatAKilledSaveLeftButNeverTheFileOfOneStillRunning) {
    const std::string path = folder / "export.csv";
    writeBytes(path, "old");
    // An export in another process, stopped once its temporary file has a name.
    int named[2];
    ASSERT_EQ(::pipe(named), 0);
    const pid_t exporter = ::fork();
    ASSERT_GE(exporter, 0);
    if (exporter == 0) {
        setUnnamedTemporaryFiles(false);
        setWriteFaultHook([&](std::size_t) {
            (void)!::write(named[1], "x", 1);
            ::pause();
            return 0;
        });
        ::_exit(writeFileSafely(path, "every password in clear") ? 1 : 0);
    }
    char ready = 0;
    ASSERT_EQ(::read(named[0], &ready, 1), 1);
    ASSERT_EQ(folder.entries().size(), 2u);
    ASSERT_FALSE(writeFileSafely(path, "mine"));
    EXPECT_EQ(folder.entries().size(), 2u) << "the running export keeps its file";
    ::kill(exporter, SIGKILL);
    ASSERT_EQ(::waitpid(exporter, nullptr, 0), exporter);
    ASSERT_FALSE(writeFileSafely(path, "mine again"));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"export.csv"});
}

TEST_F(FileIo, AFileTheUserMayNotWriteIsRefusedAsAnyEditorWould) {
    const std::string path = folder / "read-only.lockbk";
    writeBytes(path, "kept");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
    // Root may write anything, so the save is tried by an ordinary user.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(100);
        }
        const auto error = writeFileSafely(path, "replaced");
        ::_exit(error ? error->number : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 100) {
        GTEST_SKIP() << "cannot become an ordinary user here";
    }
    EXPECT_EQ(WEXITSTATUS(status), EACCES);
    EXPECT_EQ(readBytes(path), "kept");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"read-only.lockbk"});
}

} // namespace
} // namespace lb
