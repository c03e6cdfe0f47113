#include "cli/standard_input.h"

#include "core/utf8.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <termios.h>
#include <unistd.h>

namespace lb::cli {
namespace {

// A master password has at most 255 characters where it is typed in the
// window; a line of UTF-8 for it needs at most three bytes each.
constexpr std::size_t kMaxPasswordLine = 4096;

// The terminal's settings while echo is off, to be put back even when the
// person gives up with Ctrl+C.
termios savedTerminal{};
volatile std::sig_atomic_t echoIsOff = 0;

void restoreEchoAndStop(int signal) {
    if (echoIsOff != 0) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

class EchoOff {
public:
    EchoOff() {
        if (::isatty(STDIN_FILENO) == 0 || ::tcgetattr(STDIN_FILENO, &savedTerminal) != 0) {
            return;
        }
        std::fputs("Master password: ", stderr);
        std::fflush(stderr);
        termios quiet = savedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        std::signal(SIGINT, restoreEchoAndStop);
        std::signal(SIGTERM, restoreEchoAndStop);
        echoIsOff = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0 ? 1 : 0;
    }
    ~EchoOff() {
        if (echoIsOff != 0) {
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
            echoIsOff = 0;
            std::fputs("\n", stderr);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
};

ExitStatus unreadable() {
    std::fprintf(stderr, "Standard input could not be read (%s).\n", std::strerror(errno));
    return ExitStatus::Damaged;
}

} // namespace

ExitStatus readPassword(SecretBytes& password) {
    SecretBytes line(kMaxPasswordLine);
    std::size_t length = 0;
    {
        const EchoOff quiet;
        // One byte at a time, so that nothing after the line is taken from
        // standard input: what follows belongs to the command.
        for (;;) {
            char c = 0;
            const ssize_t n = ::read(STDIN_FILENO, &c, 1);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                return unreadable();
            }
            if (n == 0 || c == '\n') {
                break;
            }
            if (length == line.size()) {
                std::fprintf(stderr, "The first line of standard input is too long for a "
                                     "master password.\n");
                return ExitStatus::Usage;
            }
            line.data()[length++] = c;
        }
    }
    if (length > 0 && line.data()[length - 1] == '\r') {
        --length;
    }
    if (length == 0) {
        std::fprintf(stderr, "The first line of standard input must be the master password.\n");
        return ExitStatus::Usage;
    }
    const std::string_view typed(line.data(), length);
    if (!utf8::isValid(typed)) {
        std::fprintf(stderr, "The master password is not valid UTF-8.\n");
        return ExitStatus::Usage;
    }
    password = SecretBytes(typed);
    return ExitStatus::Success;
}

ExitStatus readRest(std::string& rest) {
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return unreadable();
        }
        if (n == 0) {
            return ExitStatus::Success;
        }
        if (rest.size() + static_cast<std::size_t>(n) > kMaxInputBytes) {
            std::fprintf(stderr, "Standard input holds more than 256 MiB after the password.\n");
            return ExitStatus::Usage;
        }
        rest.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

} // namespace lb::cli
