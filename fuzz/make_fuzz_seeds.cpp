// Writes the fuzzers' seed corpora, made by the program's own writer (and the
// tests' old-format maker), so no binary files live in the repository:
//   make_fuzz_seeds DIR  ->  DIR/account_file/, DIR/sealed_file/, DIR/legacy_file/,
//                            DIR/account_json/, DIR/csv_import/

#include "account_files.h"
#include "core/account_json.h"
#include "core/account_records.h"
#include "core/classic_file.h"
#include "core/cp1252.h"
#include "core/export_writer.h"
#include "core/sealed_file.h"
#include "core/sealed_records.h"
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
        accounts.push_back({"Account " + std::to_string(i), "user\u00e9",
                            "p4ss\u20ac" + std::to_string(i),
                            i % 2 == 0 ? "https://example.org" : "",
                            std::string(i * 40, static_cast<char>('a' + i))});
        accounts.back().id = lb::newAccountId();
        accounts.back().created = 1'700'000'000'000;
        accounts.back().modified = 1'700'000'000'000 + static_cast<lb::Timestamp>(i);
        accounts.back().history.assign(i % 3, 1'600'000'000'000);
    }
    return accounts;
}

// A table in the scripts the legacy format cannot keep, for the sealed and JSON seeds.
std::vector<lb::Account> world(std::size_t count) {
    std::vector<lb::Account> accounts = table(count);
    for (lb::Account& a : accounts) {
        a.notes += "\u042f\u674e\U0001F3AE e\u0301 \u00ff";
    }
    return accounts;
}

// The records inside a version 1 file: the classic records in Windows-1252.
std::string version1RecordsOf(const std::vector<lb::Account>& accounts) {
    std::vector<lb::Account> bytes = accounts;
    for (lb::Account& a : bytes) {
        for (int f = 0; f < lb::kFieldCount; ++f) {
            std::string& text = a.field(static_cast<lb::Field>(f));
            text = *lb::cp1252::fromUtf8(text);
        }
    }
    std::string records(lb::recordsSize(bytes), '\0');
    lb::writeRecords(bytes, {}, records.data());
    return records;
}

std::string version2RecordsOf(const std::vector<lb::Account>& accounts,
                              const std::vector<lb::Removal>& removals) {
    std::string records(lb::sealedRecordsSize(accounts, removals), '\0');
    lb::writeSealedRecords(accounts, removals, records.data());
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
        const auto everyScript = world(count);
        const std::vector<lb::Removal> removals(count % 3, {lb::newAccountId(), 5, 4});
        // The sealed fuzzer's first byte: 0 a file, 1 version 1 records, 3 version 2 records.
        save(dir / "sealed_file" / name,
             '\0' + lb::encodeSealedFile(everyScript, removals, lb::fuzz::kPassword, {1, 8},
                                         lb::fuzz::quickKey));
        save(dir / "sealed_file" / (name + "-v1-records"), '\1' + version1RecordsOf(accounts));
        save(dir / "sealed_file" / (name + "-v2-records"),
             '\3' + version2RecordsOf(everyScript, removals));
        save(dir / "legacy_file" / name, lb::test::legacyFile(accounts, lb::fuzz::kPassword));
        save(dir / "account_json" / name, lb::accountsToJson(everyScript, removals));
        // The import fuzzer's first byte picks the source: 4 is Lockerbook's own export.
        save(dir / "csv_import" / name,
             '\4' + lb::exportBytes(accounts, lb::ExportFormat::CommaSeparated));
        save(dir / "csv_import" / (name + "-utf8"),
             '\4' + lb::exportBytes(everyScript, lb::ExportFormat::CommaSeparated));
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
