#include "platform/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lb {
namespace {

// What a test put in place of the real service; empty in the program.
WriteFaultHook faultHook;

constexpr std::size_t kChunk = 1 << 20;

// The folder that holds path, "." for a bare name.
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Closes a descriptor and removes the temporary file unless released.
class TempFile {
public:
    TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void release() { path_.clear(); }

private:
    int fd_;
    std::string path_;
};

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

} // namespace

void setWriteFaultHook(WriteFaultHook hook) {
    faultHook = std::move(hook);
}

std::optional<Error> writeFileSafely(const std::string& path, std::string_view bytes) {
    const std::string folder = folderOf(path);
    std::string pattern = folder + "/." + nameOf(path) + ".XXXXXX";
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            return systemError(EISDIR);
        }
        mode = existing.st_mode & 07777;
    }
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return systemError(errno);
    }
    TempFile temp(fd, pattern);
    if (::fchmod(temp.fd(), mode) != 0) {
        return systemError(errno);
    }
    if (const int err = writeAll(temp.fd(), bytes); err != 0) {
        return systemError(err);
    }
    if (::fsync(temp.fd()) != 0) {
        return systemError(errno);
    }
    if (temp.close() != 0) {
        return systemError(errno);
    }
    if (::rename(temp.path().c_str(), path.c_str()) != 0) {
        return systemError(errno);
    }
    temp.release();
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

std::optional<Error> readWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return systemError(errno);
    }
    std::string data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return systemError(EISDIR);
    }
    if (st.st_size > 0) {
        data.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            ::close(fd);
            return systemError(err);
        }
        if (n == 0) {
            break;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes = std::move(data);
    return std::nullopt;
}

} // namespace lb
