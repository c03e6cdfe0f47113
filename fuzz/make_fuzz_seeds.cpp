// Writes the fuzzers' seed corpora, made by the program's own writer (and the
// tests' old-format maker), so no binary files live in the repository:
//   make_fuzz_seeds DIR  ->  DIR/account_file/, DIR/sealed_file/, DIR/legacy_file/,
//                            DIR/account_json/

#include "account_files.h"
#include "core/account_json.h"
#include "core/account_records.h"
#include "core/classic_file.h"
#include "core/sealed_file.h"
#include "fuzz_password.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class CountingDraws final : public lb::RandomSource {
public:
    float next() override {
        n_ = (n_ + 0.37f) - static_cast<float>(static_cast<int>(n_ + 0.37f));
        return n_;
    }

private:
    float n_ = 0;
};

std::vector<lb::Account> table(std::size_t count) {
    std::vector<lb::Account> accounts;
    for (std::size_t i = 0; i < count; ++i) {
        accounts.push_back({"Account " + std::to_string(i), "user\xE9",
                            "p4ss\x80" + std::to_string(i), i % 2 == 0 ? "https://example.org" : "",
                            std::string(i * 40, static_cast<char>('a' + i))});
    }
    return accounts;
}

std::string recordsOf(const std::vector<lb::Account>& accounts) {
    std::string records(lb::recordsSize(accounts), '\0');
    lb::writeRecords(accounts, {}, records.data());
    return records;
}

void save(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
        return 1;
    }
    const std::filesystem::path dir = argv[1];
    for (const char* target : {"account_file", "sealed_file", "legacy_file", "account_json"}) {
        std::filesystem::create_directories(dir / target);
    }
    CountingDraws draws;
    for (std::size_t count : {0, 1, 3, 6}) {
        const auto accounts = table(count);
        const std::string name = std::to_string(count) + "-accounts";
        save(dir / "account_file" / name,
             lb::encodeClassicFile(accounts, lb::fuzz::kPassword, draws));
        // The sealed fuzzer reads a file after an even byte, records after an odd one.
        save(dir / "sealed_file" / name,
             '\0' + lb::encodeSealedFile(accounts, lb::fuzz::kPassword, {1, 8}, lb::fuzz::quickKey));
        save(dir / "sealed_file" / (name + "-records"), '\1' + recordsOf(accounts));
        save(dir / "legacy_file" / name, lb::test::legacyFile(accounts, lb::fuzz::kPassword));
        save(dir / "account_json" / name, lb::accountsToJson(accounts));
    }
    return 0;
}
