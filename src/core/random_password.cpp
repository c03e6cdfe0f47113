#include "core/random_password.h"

namespace lb {

const std::array<std::string_view, 100> kPasswordWords = {
    "Mice",    "Rocket",   "Box",     "Cardboard", "Ricket",   "Back",   "Board",      "Glass",
    "Window",  "Curtain",  "Pouch",   "Bag",       "Leather",  "China",  "Headphones", "Orcacle",
    "Weaver",  "Tools",    "Barred",  "Container", "Plastic",  "Thermo", "Boost",      "Salt",
    "Smart",   "Nice",     "Broad",   "Flagstaff", "Train",    "Subway", "Under",      "October",
    "Combo",   "Bilko",    "Command", "Batch",     "Bookmark", "Book",   "Little",     "Large",
    "Rose",    "Direct",   "Obser",   "Quote",     "Quill",    "Button", "Haracket",   "Den",
    "Loogle",  "Maxis",    "Pocket",  "Rook",      "Paper",    "Sheet",  "Bye",        "Dock",
    "Max",     "Stupid",   "Invade",  "Quality",   "Sunrise",  "Sunset", "FlyBy",      "Disc",
    "Tycoon",  "Format",   "Brolly",  "Ink",       "Charge",   "Guide",  "Flash",      "Amazon",
    "Serif",   "Function", "Counter", "Strike",    "Force",    "Pro",    "Ball",       "Base",
    "Listing", "Product",  "Add",     "Ribbon",    "Scroll",   "Mouse",  "Drive",      "Lesson",
    "File",    "Student",  "PC",      "Design",    "Debug",    "Play",   "Stop",       "Pause",
    "Weave",   "Impress",  "Rachet",  "Bolt"};

std::string RandomWord(RandomSource& source) {
    return std::string(kPasswordWords[RandomBetween(1, 100, source) - 1]);
}

std::string RandomNumberText(RandomSource& source) {
    return std::to_string(RandomBetween(1111, 9999, source));
}

std::string RandomPassword(RandomSource& source) {
    // Parts are drawn left to right, each afresh, so the draw order is the text order.
    switch (RandomBetween(1, 4, source)) {
    case 1: {
        std::string p = RandomWord(source);
        return p + RandomNumberText(source);
    }
    case 2: {
        std::string p = RandomNumberText(source);
        return p + RandomWord(source);
    }
    case 3: {
        std::string p = RandomNumberText(source);
        p += RandomWord(source);
        return p + RandomNumberText(source);
    }
    default: {
        std::string p = RandomWord(source);
        p += RandomNumberText(source);
        return p + RandomWord(source);
    }
    }
}

std::string RandomPassword() {
    return RandomPassword(randomSource());
}

} // namespace lb
