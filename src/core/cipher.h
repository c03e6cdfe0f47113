#pragma once
// The account file's character-shift cipher. Every stored character is moved
// by the master password's key and by a per-column running shift; the wrap is
// by 255, not 256, so codes 0 and 255 share one residue. All arithmetic is done
// in 64 bits: a long password's key cannot overflow, and wherever 16-bit
// arithmetic would not have overflowed the results are the same.

#include <cstdint>
#include <string>
#include <string_view>

namespace lb {

// The key of a master password (Windows-1252 bytes): the first character's
// code counts whole, every later one halved with the remainder dropped. The
// empty password has the key 0.
std::int64_t PasswordKey(std::string_view password);

// One character code moved by amount: while below 0 add 255, while above 255
// subtract 255.
unsigned char shiftCode(unsigned char code, std::int64_t amount);

// Every character of text moved by amount (positive enciphers, negative
// deciphers); the result has the same length.
std::string ShiftText(std::string_view text, std::int64_t amount);

// A column's next running shift: shift + step, less 255 when that exceeds 255.
// With shift and step from 0 to 255 the result stays from 0 to 255.
int nextRunningShift(int shift, int step);

// Both shifts of a field, in the file's order: writing moves by the running
// shift and then by the key, reading undoes the key and then the running shift.
class FieldCipher {
public:
    enum class Direction { Encipher, Decipher };
    FieldCipher(std::int64_t key, Direction direction) : key_(key), direction_(direction) {}

    // Writes the size() bytes of text, transformed for runningShift (0..255), to
    // out, which must not overlap text.
    void apply(int runningShift, std::string_view text, char* out) const;

private:
    std::int64_t key_;
    Direction direction_;
};

} // namespace lb
