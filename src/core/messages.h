#pragma once
// The words of every refusal and unexpected error, in one place, so that the
// window program and lockerbook-cli say exactly the same thing.

#include "core/classic_file.h"
#include "core/decode_result.h"
#include "core/error.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb {

inline constexpr std::string_view kNotAccountFileText =
    "The file does not appear to be a Lockerbook file. It could not be opened.";
inline constexpr std::string_view kWrongPasswordText = "Wrong password.";

// "This file is in a version higher than this program can read. For updates
// to Lockerbook, check <web site>."
std::string newerVersionText();

// "There was an unexpected error (number N, description) while <doing>.",
// or "(number N)" alone when the error has no description, as the old-format
// reader has always reported its errors.
std::string unexpectedErrorText(const Error& error, std::string_view doing);

// The message for a file that could not be read (any outcome but Read); a
// file that is something else says what.
std::string decodeFailureText(const DecodeResult& result);

// Why a table cannot be written in the legacy format: each account and field
// holding a character the format cannot keep (the first twenty, then how many
// more), and what keeps them.
std::string classicRefusalText(const std::vector<ClassicRefusal>& refusals,
                               const std::vector<Account>& accounts);

// Why a master password cannot protect a legacy-format file.
std::string classicPasswordRefusalText(char32_t character);

} // namespace lb
