#include "core/cipher.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lb {
namespace {

// A shift by a fixed amount, reduced to what the wrap by 255 depends on: its
// direction and the amount modulo 255. With r = |amount| mod 255 and x a code:
//   up:   x + r, less 255 when above 255; a sum of 0 (x = 0, r = 0) is 255,
//         because a positive amount that is a multiple of 255 lands on 255.
//   down: x - r, plus 255 when below 0; a difference of 255 (x = 255, r = 0)
//         is 0, because a negative multiple of 255 lands on 0.
// Both are a few byte operations, so sixteen codes move at once below.
struct CodeShift {
    enum class Kind { None, Up, Down };
    Kind kind = Kind::None;
    unsigned char r = 0;

    static CodeShift by(std::int64_t amount) {
        if (amount == 0) {
            return {};
        }
        const auto rest = static_cast<unsigned char>(amount > 0 ? amount % 255 : -(amount % 255));
        return {amount > 0 ? Kind::Up : Kind::Down, rest};
    }

    unsigned char operator()(unsigned char x) const {
        switch (kind) {
        case Kind::Up: {
            const int v = x + r;
            return static_cast<unsigned char>(v > 255 ? v - 255 : v == 0 ? 255 : v);
        }
        case Kind::Down: {
            const int v = x - r;
            return static_cast<unsigned char>(v < 0 ? v + 255 : v == 255 ? 0 : v);
        }
        case Kind::None:
            break;
        }
        return x;
    }

#if defined(__SSE2__)
    __m128i operator()(__m128i x) const {
        const __m128i zero = _mm_setzero_si128();
        const __m128i ones = _mm_set1_epi8(-1);
        switch (kind) {
        case Kind::Up: {
            // No carry when x <= 255 - r; with a carry the wrapped byte sum is one short.
            const __m128i noCarry =
                _mm_cmpeq_epi8(_mm_subs_epu8(x, _mm_set1_epi8(static_cast<char>(255 - r))), zero);
            const __m128i sum = _mm_add_epi8(x, _mm_set1_epi8(static_cast<char>(r)));
            const __m128i kept = _mm_or_si128(sum, _mm_cmpeq_epi8(sum, zero));
            const __m128i wrapped = _mm_sub_epi8(sum, ones);
            return _mm_or_si128(_mm_and_si128(noCarry, kept), _mm_andnot_si128(noCarry, wrapped));
        }
        case Kind::Down: {
            // No borrow when x >= r; with a borrow the wrapped byte difference is one long.
            const __m128i noBorrow =
                _mm_cmpeq_epi8(_mm_subs_epu8(_mm_set1_epi8(static_cast<char>(r)), x), zero);
            const __m128i difference = _mm_sub_epi8(x, _mm_set1_epi8(static_cast<char>(r)));
            const __m128i kept = _mm_andnot_si128(_mm_cmpeq_epi8(difference, ones), difference);
            const __m128i wrapped = _mm_add_epi8(difference, ones);
            return _mm_or_si128(_mm_and_si128(noBorrow, kept), _mm_andnot_si128(noBorrow, wrapped));
        }
        case Kind::None:
            break;
        }
        return x;
    }
#endif
};

void applyShifts(CodeShift first, CodeShift second, std::string_view text, char* out) {
    const std::size_t n = text.size();
#if defined(__SSE2__)
    if (n >= 16) {
        const auto block = [&](std::size_t at) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), second(first(x)));
        };
        for (std::size_t at = 0; at + 16 <= n; at += 16) {
            block(at);
        }
        // The last sixteen codes once more, overlapping the block before:
        // the input is never the output, so doing a code twice is harmless.
        block(n - 16);
        return;
    }
#endif
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<char>(second(first(static_cast<unsigned char>(text[i]))));
    }
}

} // namespace

std::int64_t PasswordKey(std::string_view password) {
    std::int64_t key = 0;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const auto code = static_cast<unsigned char>(password[i]);
        key += i == 0 ? code : code / 2;
    }
    return key;
}

unsigned char shiftCode(unsigned char code, std::int64_t amount) {
    return CodeShift::by(amount)(code);
}

std::string ShiftText(std::string_view text, std::int64_t amount) {
    std::string out(text.size(), '\0');
    applyShifts(CodeShift::by(amount), CodeShift{}, text, out.data());
    return out;
}

int nextRunningShift(int shift, int step) {
    const int next = shift + step;
    return next > 255 ? next - 255 : next;
}

void FieldCipher::apply(int runningShift, std::string_view text, char* out) const {
    if (direction_ == Direction::Encipher) {
        applyShifts(CodeShift::by(runningShift), CodeShift::by(key_), text, out);
    } else {
        applyShifts(CodeShift::by(-key_), CodeShift::by(-runningShift), text, out);
    }
}

} // namespace lb
