#include "core/messages.h"

#include "core/product.h"

#include <algorithm>

namespace lb {

std::string newerVersionText() {
    std::string text = "This file is in a version higher than this program can read. For updates "
                       "to Lockerbook, check ";
    text += kWebsite;
    text += '.';
    return text;
}

std::string unexpectedErrorText(const Error& error, std::string_view doing) {
    std::string text = "There was an unexpected error (number " + std::to_string(error.number);
    if (!error.description.empty()) {
        text += ", " + error.description;
    }
    text += ") while ";
    text += doing;
    text += '.';
    return text;
}

std::string decodeFailureText(const DecodeResult& result) {
    switch (result.outcome) {
    case DecodeOutcome::NotAccountFile:
        return result.whatItIs.empty() ? std::string(kNotAccountFileText)
                                       : std::string(kNotAccountFileText) + " " + result.whatItIs;
    case DecodeOutcome::NewerVersion:
        return newerVersionText();
    case DecodeOutcome::WrongPassword:
        return std::string(kWrongPasswordText);
    case DecodeOutcome::Damaged:
    case DecodeOutcome::Read:
        break;
    }
    return unexpectedErrorText(result.error, "reading the file");
}

} // namespace lb

namespace lb {

std::string classicRefusalText(const std::vector<ClassicRefusal>& refusals,
                               const std::vector<Account>& accounts) {
    constexpr std::size_t kMostShown = 20;
    std::string text = "The legacy format cannot keep every character of these accounts, so "
                       "nothing was written:";
    for (std::size_t i = 0; i < refusals.size() && i < kMostShown; ++i) {
        const ClassicRefusal& r = refusals[i];
        std::string name = accounts[r.row].name;
        // The text may reach a terminal: no control character may move its cursor.
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
        text += "\n  account " + std::to_string(r.row + 1) + " \"" + name + "\", " +
                std::string(kMemberNames[static_cast<int>(r.field)]) + ": " +
                characterName(r.character);
    }
    if (refusals.size() > kMostShown) {
        text += "\n  and " + std::to_string(refusals.size() - kMostShown) + " more.";
    }
    text += "\nA Lockerbook file (sealed) keeps every character.";
    return text;
}

std::string classicPasswordRefusalText(char32_t character) {
    return "The master password holds " + characterName(character) +
           ", which the legacy format cannot keep, so nothing was written. A Lockerbook file "
           "(sealed) keeps every character; or change the master password first.";
}

} // namespace lb
