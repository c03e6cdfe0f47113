#pragma once
// The program's own numbered errors: what an unexpected-error message shows
// when the operating system has nothing to say, most of all for damaged
// account files. Numbers start at 1001 so that they never collide with errno
// values, which share the "(number N, description)" of those messages.

#include "core/error.h"

namespace lb {

enum class ProgramError {
    FileEndsEarly,
    BadListDimension,
    BadListLowerBound,
    ListLongerThanFile,
    BadAccountCount,
    EndsListWrongLength,
    BadEndPosition,
    BadColumnShift,
    MissingCheckCharacter,
    BadLegacyAccountCount,
    LegacyAccountsBeyondFile,
    NoPrinter,
    PrinterFailed,
    SealedHeaderDamaged,
    KdfBeyondLimits,
    SealBroken,
    NotARegularFile,
    FileTooLarge,
    TableTooLarge,
    BadRecordsMark,
    TooMuchHistory,
    TextNotUtf8,
    IdentityTwice,
    BytesAfterRecords,
};

// The number and the plain-English description of one of the program's errors.
Error programError(ProgramError error);

} // namespace lb
