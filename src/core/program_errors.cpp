#include "core/program_errors.h"

#include <array>

namespace lb {
namespace {

struct ProgramErrorEntry {
    ProgramError error;
    int number;
    const char* description;
};

// One row per error; add new errors at the end with the next free number.
constexpr std::array kProgramErrors = {
    ProgramErrorEntry{ProgramError::FileEndsEarly, 1001, "the file ends too early"},
    ProgramErrorEntry{ProgramError::BadListDimension, 1002,
                      "a list in the file does not have exactly one dimension"},
    ProgramErrorEntry{ProgramError::BadListLowerBound, 1003,
                      "a list in the file does not start at position 0"},
    ProgramErrorEntry{ProgramError::ListLongerThanFile, 1004,
                      "a list in the file claims more entries than the file holds"},
    ProgramErrorEntry{ProgramError::BadAccountCount, 1005,
                      "the number of accounts in the file is not a whole number in range"},
    ProgramErrorEntry{ProgramError::EndsListWrongLength, 1006,
                      "a list of field ends in the file does not match the number of accounts"},
    ProgramErrorEntry{ProgramError::BadEndPosition, 1007,
                      "a field end in the file goes backwards or past its data"},
    ProgramErrorEntry{ProgramError::BadColumnShift, 1008,
                      "a column shift in the file is not a whole number from 0 to 255"},
    ProgramErrorEntry{ProgramError::MissingCheckCharacter, 1009,
                      "the file has no password check character"},
    ProgramErrorEntry{ProgramError::BadLegacyAccountCount, 1010,
                      "the number of accounts in the file is not a whole number from 0 to 32767"},
    ProgramErrorEntry{ProgramError::LegacyAccountsBeyondFile, 1011,
                      "the file claims more accounts than it holds"},
    ProgramErrorEntry{ProgramError::NoPrinter, 1012, "no printer is installed"},
    ProgramErrorEntry{ProgramError::PrinterFailed, 1013, "the printer did not accept the printout"},
    ProgramErrorEntry{ProgramError::SealedHeaderDamaged, 1014, "the file's header is damaged"},
    ProgramErrorEntry{ProgramError::KdfBeyondLimits, 1015,
                      "the file asks for more memory or time to open than any account file needs"},
    ProgramErrorEntry{ProgramError::SealBroken, 1016,
                      "the accounts in the file do not match its seal: the file was changed or "
                      "cut short"},
    ProgramErrorEntry{ProgramError::NotARegularFile, 1017,
                      "the path names a folder, a device, a pipe or a socket, not a file"},
    ProgramErrorEntry{ProgramError::FileTooLarge, 1018,
                      "the file is larger than 256 MiB, far larger than any account file"},
    ProgramErrorEntry{ProgramError::TableTooLarge, 1019,
                      "the accounts are too many or too long for one account file: it would "
                      "pass 256 MiB, more than any program can read back"},
    ProgramErrorEntry{ProgramError::BadRecordsMark, 1020,
                      "the accounts inside the file do not start as this program writes them"},
    ProgramErrorEntry{ProgramError::TooMuchHistory, 1021,
                      "an account in the file claims more earlier versions than are kept"},
    ProgramErrorEntry{ProgramError::TextNotUtf8, 1022,
                      "a text in the file is not valid UTF-8"},
    ProgramErrorEntry{ProgramError::IdentityTwice, 1023,
                      "two accounts in the file have the same identity"},
    ProgramErrorEntry{ProgramError::BytesAfterRecords, 1024,
                      "the file holds bytes after its last account"},
};

} // namespace

Error programError(ProgramError error) {
    for (const auto& entry : kProgramErrors) {
        if (entry.error == error) {
            return Error{entry.number, entry.description};
        }
    }
    return Error{}; // unreachable while every enumerator has its row (checked by the tests)
}

} // namespace lb
