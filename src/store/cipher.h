#pragma once
// The account file's character-shift cipher. Every stored character is moved
// by the master password's key and by a per-column running shift; the wrap is
// by 255, not 256, so codes 0 and 255 share one residue. All arithmetic is done
// in 64 bits: a long password's key cannot overflow, and wherever 16-bit
// arithmetic would not have overflowed the results are the same.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// Both shifts of a field (running shift and key) folded into one 256-byte
// table per running shift, so a field costs one lookup per character. Tables
// are built the first time a running shift needs one.
class FieldCipher {
public:
    enum class Direction { Encipher, Decipher };
    FieldCipher(std::int64_t key, Direction direction);

    // Writes the size() bytes of text, transformed for runningShift (0..255), to out.
    void apply(int runningShift, std::string_view text, char* out);

private:
    const unsigned char* table(int runningShift);

    std::int64_t key_;
    Direction direction_;
    std::vector<unsigned char> tables_; // 256 tables of 256 codes
    std::vector<bool> built_;
};

} // namespace lb
