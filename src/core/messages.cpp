#include "core/messages.h"

#include "core/product.h"

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
        return std::string(kNotAccountFileText);
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
