#include "store/cipher.h"

#include <array>

namespace lb {

std::int64_t PasswordKey(std::string_view password) {
    std::int64_t key = 0;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const auto code = static_cast<unsigned char>(password[i]);
        key += i == 0 ? code : code / 2;
    }
    return key;
}

unsigned char shiftCode(unsigned char code, std::int64_t amount) {
    // The repeated add or subtract of 255 in closed form; amount is reduced
    // before it meets code, so no amount can overflow.
    if (amount > 255 - code) {
        // Above 255: subtracting 255 until the value is at most 255 lands on 1..255.
        return static_cast<unsigned char>((code + 254 + amount % 255) % 255 + 1);
    }
    if (amount < -static_cast<std::int64_t>(code)) {
        // Below 0: adding 255 until the value is not negative lands on 0..254.
        return static_cast<unsigned char>(((code + amount % 255) % 255 + 255) % 255);
    }
    return static_cast<unsigned char>(code + amount);
}

std::string ShiftText(std::string_view text, std::int64_t amount) {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = shiftCode(static_cast<unsigned char>(c), amount);
    }
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
    }
    return out;
}

int nextRunningShift(int shift, int step) {
    const int next = shift + step;
    return next > 255 ? next - 255 : next;
}

FieldCipher::FieldCipher(std::int64_t key, Direction direction)
    : key_(key), direction_(direction), tables_(256 * 256), built_(256, false) {}

const unsigned char* FieldCipher::table(int runningShift) {
    unsigned char* t = &tables_[static_cast<std::size_t>(runningShift) * 256];
    if (!built_[runningShift]) {
        for (int c = 0; c < 256; ++c) {
            const auto code = static_cast<unsigned char>(c);
            // Writing shifts by the running shift first and the key second;
            // reading undoes the key first and the running shift second.
            t[c] = direction_ == Direction::Encipher
                       ? shiftCode(shiftCode(code, runningShift), key_)
                       : shiftCode(shiftCode(code, -key_), -runningShift);
        }
        built_[runningShift] = true;
    }
    return t;
}

void FieldCipher::apply(int runningShift, std::string_view text, char* out) {
    const unsigned char* t = table(runningShift);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(t[static_cast<unsigned char>(text[i])]);
    }
}

} // namespace lb
