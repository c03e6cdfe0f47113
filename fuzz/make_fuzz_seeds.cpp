// Writes the fuzzers' seed corpora, made by the program's own writer (and the
// tests' old-format maker), so no binary files live in the repository:
//   make_fuzz_seeds DIR  ->  DIR/account_file/, DIR/sealed_file/, DIR/legacy_file/,
//                            DIR/account_json/, DIR/csv_import/

#include "account_files.h"
#include "core/account_json.h"
#include "core/account_records.h"
#include "core/classic_file.h"
#include "core/export_writer.h"
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
    for (const char* target :
         {"account_file", "sealed_file", "legacy_file", "account_json", "csv_import"}) {
        std::filesystem::create_directories(dir / target);
    }
    CountingDraws draws;
    for (std::size_t count : {0, 1, 3, 6}) {
        const auto accounts = table(count);
        const std::string name = std::to_string(count) + "-accounts";
        save(dir / "account_file" / name,
             lb::encodeClassicFile(accounts, lb::fuzz::kPassword, draws));
        // The sealed fuzzer reads a file after an even byte, records after an odd one.
        save(dir / "sealed_file" / name, '\0' + lb::encodeSealedFile(accounts, lb::fuzz::kPassword,
                                                                     {1, 8}, lb::fuzz::quickKey));
        save(dir / "sealed_file" / (name + "-records"), '\1' + recordsOf(accounts));
        save(dir / "legacy_file" / name, lb::test::legacyFile(accounts, lb::fuzz::kPassword));
        save(dir / "account_json" / name, lb::accountsToJson(accounts));
        // The import fuzzer's first byte picks the source: 4 is Lockerbook's own export.
        save(dir / "csv_import" / name,
             '\4' + lb::exportBytes(accounts, lb::ExportFormat::CommaSeparated));
    }
    // Other programs' exports start with a header line that names the columns;
    // each goes in once under its own source and once under auto (5).
    const std::pair<char, std::string> exports[] = {
        {'\0', "\xEF\xBB\xBFname,url,username,password,note\r\n"
               "a,https://x.example,u,\"p,\"\"w\",\"n\nn\"\r\n"},
        {'\1', "\"url\",\"username\",\"password\",\"httpRealm\",\"formActionOrigin\",\"guid\","
               "\"timeCreated\",\"timeLastUsed\",\"timePasswordChanged\"\n"
               "\"https://u@h.example:8080/x\",\"u\",\"p\",\"\",\"\",\"{1}\",\"1\",\"2\",\"3\"\n"},
        {'\2', "folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,"
               "login_password,login_totp\nf,,login,n,notes,k: v,0,https://u,user,pw,otp\n"
               ",,card,c,,,,,,,\n"},
        {'\3', "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\","
               "\"Last Modified\",\"Created\"\n"
               "\"Root\",\"t\",\"u\",\"p\",\"https://h:1/\",\"n\",\"\",\"0\",\"x\",\"y\"\n"},
    };
    for (const auto& [source, text] : exports) {
        const std::string name = "export-" + std::to_string(static_cast<int>(source));
        save(dir / "csv_import" / name, source + text);
        save(dir / "csv_import" / (name + "-auto"), '\5' + text);
    }
    return 0;
}
