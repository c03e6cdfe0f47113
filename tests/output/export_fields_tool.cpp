// Writes an export file from accounts given on standard input, for the
// read-back check in csv_reads_back.py. Usage: export_fields_tool FORMAT OUT.
// Each input line is one account: five fields as hexadecimal bytes separated
// by spaces, "-" for an empty field.

#include "output/export_writer.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string fromHex(const std::string& hex) {
    if (hex == "-") {
        return {};
    }
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: export_fields_tool FORMAT OUT\n";
        return 1;
    }
    const std::optional<lb::ExportFormat> format = lb::exportFormatFromNumber(std::atoi(argv[1]));
    if (!format) {
        std::cerr << "FORMAT is 1 to 5\n";
        return 1;
    }
    std::vector<lb::Account> accounts;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        lb::Account account;
        for (int f = 0; f < lb::kFieldCount; ++f) {
            std::string hex;
            fields >> hex;
            account.field(static_cast<lb::Field>(f)) = fromHex(hex);
        }
        accounts.push_back(std::move(account));
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << lb::exportBytes(accounts, *format);
    return out ? 0 : 1;
}
