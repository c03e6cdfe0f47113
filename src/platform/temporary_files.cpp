#include "platform/temporary_files.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lb {
namespace {

constexpr std::string_view kPrefix = ".lockerbook-";
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = 12;
// Long enough for any save to finish, even of a huge file to a slow disk.
constexpr std::time_t kAbandonedAfterSeconds = 60 * 60;

bool isRandomPart(std::string_view text) {
    return text.size() == kRandomLength &&
           text.find_first_not_of(kLetters) == std::string_view::npos;
}

// The process id in a temporary's name: 0 for a name of the kind made before
// names carried one, nothing for a name that is not a temporary's at all.
std::optional<pid_t> writerOf(std::string_view name) {
    if (name.substr(0, kPrefix.size()) != kPrefix) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    if (isRandomPart(name)) {
        return 0;
    }
    const auto dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 ||
        name.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos ||
        !isRandomPart(name.substr(dash + 1))) {
        return std::nullopt;
    }
    pid_t pid = 0;
    for (const char digit : name.substr(0, dash)) {
        pid = pid * 10 + (digit - '0');
    }
    return pid;
}

bool isStale(pid_t writer, const struct stat& st) {
    if (writer > 0) {
        if (::kill(writer, 0) == 0) {
            return false; // its save may still be under way
        }
        if (errno == ESRCH) {
            return true; // its save can never finish
        }
        // Another user's process has that id now, so only the age can tell.
    }
    return std::time(nullptr) - st.st_mtim.tv_sec > kAbandonedAfterSeconds;
}

} // namespace

std::string temporaryNameIn(const std::string& folder) {
    std::array<unsigned char, kRandomLength> random{};
    if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size())) {
        // Without randomness each try must still differ, or every retry of
        // an exclusive create would meet the same name.
        static unsigned tries = 0;
        random.fill(static_cast<unsigned char>(std::time(nullptr) + ++tries));
    }
    std::string name = folder + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-";
    for (unsigned char r : random) {
        name += kLetters[r % kLetters.size()];
    }
    return name;
}

void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const uid_t self = ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        const auto writer = writerOf(entry->d_name);
        struct stat st {};
        if (!writer || ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != self || !isStale(*writer, st)) {
            continue;
        }
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace lb
