#include "test_files.h"

#include "store/account_file.h"
#include "store/legacy_verifiers.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <stdexcept>
#include <sys/stat.h>

namespace lb::test {
namespace {

int averageCode(std::string_view password) {
    long sum = 0;
    for (const char c : password) {
        sum += static_cast<unsigned char>(c);
    }
    const double average = static_cast<double>(sum) / static_cast<double>(password.size());
    return static_cast<int>(std::nearbyint(average)); // halves to the even neighbour
}

// The inverse of the old format's decipher for every code it can give back.
std::string legacyEncipher(std::string_view text, int average) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        int v = static_cast<unsigned char>(c) + average;
        if (v > 255) {
            v -= 255;
        }
        out += static_cast<char>(v);
    }
    return out;
}

std::string slot(const std::string& field) {
    std::string s(1, static_cast<char>(field.size()));
    s += field;
    s.append(255 - field.size(), 'x');
    return s;
}

} // namespace

std::vector<Account> sampleAccounts() {
    return {
        {"Bank", "alice", "s3cret", "https://bank.example", "PIN in the drawer"},
        {"Mail", "alice@example.org", "m\xe4il-pw", "https://mail.example", ""},
        {"Shop", "al", "x", "", "Ordered \x80 20 of paper"},
    };
}

std::string currentFormatFile(const std::vector<Account>& accounts, std::string_view password) {
    return writeAccountFile(accounts, password, randomSource());
}

std::string oldFormatFile(const std::vector<Account>& accounts, std::string_view password,
                          int count) {
    std::string plain = std::string(kLegacyVerifierTexts[3]) + std::string(kLegacyVerifierS1);
    for (const Account& account : accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            plain += slot(account.field(static_cast<Field>(f)));
        }
    }
    return "Lockerbook\r\nVersion 3\r\nAccount file\r\nNumber Of Accounts: " +
           std::to_string(count) + "\r\n-\r\n" + legacyEncipher(plain, averageCode(password));
}

std::string oldFormatFile(const std::vector<Account>& accounts, std::string_view password) {
    return oldFormatFile(accounts, password, static_cast<int>(accounts.size()));
}

void writeBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw std::runtime_error("cannot write the test file");
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

bool exists(const QString& path) {
    return QFile::exists(path);
}

unsigned permissions(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

std::vector<QString> folderEntries(const QString& folder) {
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    return {names.begin(), names.end()};
}

} // namespace lb::test
