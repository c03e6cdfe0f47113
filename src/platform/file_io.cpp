#include "platform/file_io.h"

#include "core/content_digest.h"
#include "core/program_errors.h"
#include "platform/temporary_files.h"

#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lb {
namespace {

// What a test put in place of the real service; empty in the program.
WriteFaultHook faultHook;
bool unnamedTemporaryFiles = true;

constexpr std::size_t kChunk = 1 << 20;
// How many symbolic links a path may pass through, as the kernel allows.
constexpr int kMaxLinks = 40;

// Closes a descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

// Removes a named temporary file unless it was renamed into place.
class TemporaryName {
public:
    ~TemporaryName() {
        if (!path.empty()) {
            ::unlink(path.c_str());
        }
    }
    std::string path;
};

// The folder that holds path, "." for a bare name.
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::int64_t nanoseconds(const struct stat& st) {
    return std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
}

Error fileError(ProgramError e) {
    return programError(e);
}

int writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (faultHook) {
            if (const int injected = faultHook(done); injected != 0) {
                return injected;
            }
        }
        const std::size_t n = std::min(kChunk, bytes.size() - done);
        const ssize_t w = ::write(fd, bytes.data() + done, n);
        if (w < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(w);
    }
    return 0;
}

// An unnamed file in the folder where the file system has them (its bytes
// vanish with the process), else a named one.
int openTemporary(const std::string& folder, bool& unnamed, TemporaryName& name) {
    if (unnamedTemporaryFiles) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            unnamed = fd >= 0;
            return fd;
        }
    }
    unnamed = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = temporaryNameIn(folder);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            name.path = std::move(path);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Gives a complete unnamed file its temporary name.
int nameTemporary(int fd, const std::string& folder, TemporaryName& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = temporaryNameIn(folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name.path = std::move(path);
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    return EEXIST;
}

} // namespace

std::optional<std::string> linkTarget(std::string path, int& error) {
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return path;
        }
        std::array<char, PATH_MAX> target{};
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size()) {
            error = n < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        const std::string next(target.data(), static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : folderOf(path) + "/" + next;
    }
    error = ELOOP;
    return std::nullopt;
}

void setWriteFaultHook(WriteFaultHook hook) {
    faultHook = std::move(hook);
}

void setUnnamedTemporaryFiles(bool allowed) {
    unnamedTemporaryFiles = allowed;
}

std::optional<Error> readWholeFile(const std::string& path, std::string& bytes, FileStamp* stamp) {
    // Judged before it is opened, so a device is never even opened; opened
    // without waiting, so a pipe put there since cannot hold the program.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return systemError(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return fileError(ProgramError::NotARegularFile);
    }
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        return systemError(errno);
    }
    if (::fstat(fd.get(), &st) != 0) {
        return systemError(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return fileError(ProgramError::NotARegularFile);
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) {
        return fileError(ProgramError::FileTooLarge);
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemError(errno);
        }
        if (n == 0) {
            break;
        }
        if (data.size() + static_cast<std::size_t>(n) > kMaxFileBytes) {
            return fileError(ProgramError::FileTooLarge); // it grew while being read
        }
        data.append(buffer.data(), static_cast<std::size_t>(n));
    }
    if (stamp != nullptr) {
        *stamp = {data.size(), nanoseconds(st), contentDigest(data)};
    }
    bytes = std::move(data);
    return std::nullopt;
}

bool fileExistsAt(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool pathTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::optional<FileStamp> currentStamp(const std::string& path) {
    std::string bytes;
    FileStamp stamp;
    if (readWholeFile(path, bytes, &stamp)) {
        return std::nullopt;
    }
    return stamp;
}

std::optional<Error> writeFileSafely(const std::string& path, std::string_view bytes,
                                     Permissions permissions, FileStamp* stamp) {
    int linkError = 0;
    const auto target = linkTarget(path, linkError);
    if (!target) {
        return systemError(linkError);
    }
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (::stat(target->c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            return fileError(ProgramError::NotARegularFile);
        }
        // A file its owner made read-only stays so, as in any editor.
        if (::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) {
            return systemError(errno);
        }
        if (permissions == Permissions::Kept) {
            mode = existing.st_mode & 07777;
        }
    } else if (errno != ENOENT) {
        return systemError(errno);
    }

    const std::string folder = folderOf(*target);
    removeStaleTemporaries(folder);
    bool unnamed = false;
    TemporaryName name;
    Descriptor fd(openTemporary(folder, unnamed, name));
    if (!fd.valid()) {
        return systemError(errno);
    }
    if (::fchmod(fd.get(), mode) != 0) {
        return systemError(errno);
    }
    if (const int err = writeAll(fd.get(), bytes); err != 0) {
        return systemError(err);
    }
    if (::fsync(fd.get()) != 0) {
        return systemError(errno);
    }
    if (unnamed) {
        if (const int err = nameTemporary(fd.get(), folder, name); err != 0) {
            return systemError(err);
        }
    }
    struct stat written {};
    if (::fstat(fd.get(), &written) != 0 || fd.close() != 0) {
        return systemError(errno);
    }
    if (::rename(name.path.c_str(), target->c_str()) != 0) {
        return systemError(errno);
    }
    name.path.clear();
    // Make the rename itself durable.
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
    if (stamp != nullptr) {
        *stamp = {bytes.size(), nanoseconds(written), contentDigest(bytes)};
    }
    return std::nullopt;
}

} // namespace lb
