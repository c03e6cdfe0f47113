// What sits at the settings file's path, judged as account files are: anything
// but a small regular file is left as it was, the window still comes up as
// designed and at once, and the run keeps its settings in memory; a link is
// read and written through and stays a link.

#include "../mainwindow/main_window_fixture.h"
#include "disk.h"
#include "platform/paths.h"
#include "platform/settings.h"
#include "platform/twips.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lb::test {
namespace {

using SettingsFile = MainWindowTest;

TEST_F(SettingsFile, IsUsedOnlyWhenItIsASmallRegularFileOrALinkToOne) {
    const std::string path = pathBytes(settings::filePath());
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const TempFolder folder;
    const std::string kept = folder / "kept.ini";
    const auto twips = [this](int pixels) {
        return settings::numberText(pixels * twipsPerPixel(window.get())).toStdString();
    };
    const std::string stored = "[Window]\nWidth=" + twips(300) + "\nHeight=" + twips(200) + "\n";
    const QSize designed = window->size(); // a new user's
    const struct {
        const char* name;
        std::function<void()> make;
        bool used;
    } rows[] = {
        {"a pipe", [&] { ::mkfifo(path.c_str(), 0600); }, false},
        {"a link to a device", [&] { ::symlink("/dev/zero", path.c_str()); }, false},
        {"a folder", [&] { ::mkdir(path.c_str(), 0700); }, false},
        {"a file over 1 MiB",
         [&] {
             writeBytes(path, stored);
             ASSERT_EQ(::truncate(path.c_str(), 2 << 20), 0);
         },
         false},
        {"a link to a file",
         [&] {
             writeBytes(kept, stored);
             ::symlink(kept.c_str(), path.c_str());
         },
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.make();
        struct stat before {};
        ASSERT_EQ(::lstat(path.c_str(), &before), 0);
        testing::internal::CaptureStderr();
        settings::judgeFileAgain();              // as a new run does
        auto next = std::make_unique<FrmMain>(); // a pipe would hold it here for ever
        EXPECT_EQ(next->size(), row.used ? QSize(300, 200) : designed);
        next->resize(500, 400);
        next->close();
        EXPECT_EQ(std::make_unique<FrmMain>()->size(), QSize(500, 400)) << "as stored this run";
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find(path) != std::string::npos, !row.used) << said;
        EXPECT_EQ(said.find(path), said.rfind(path)) << "one warning";
        struct stat after {};
        ASSERT_EQ(::lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_size, before.st_size);
        std::filesystem::remove_all(path);
    }
    EXPECT_NE(readBytes(kept).find("Width=" + twips(500)), std::string::npos) << "written through";
}

} // namespace
} // namespace lb::test
