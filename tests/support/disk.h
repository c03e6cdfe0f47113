#pragma once
// Real files in a folder of the test's own, and plain byte access to them,
// to check what a save left behind.

#include <string>
#include <string_view>
#include <vector>

namespace lb::test {

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }
    // The names in the folder, hidden ones included, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

void writeBytes(const std::string& path, std::string_view bytes);
// The file's bytes, or empty when it cannot be read.
std::string readBytes(const std::string& path);
// The file's permission bits.
unsigned permissions(const std::string& path);

} // namespace lb::test
