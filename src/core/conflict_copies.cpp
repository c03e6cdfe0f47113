#include "core/conflict_copies.h"

#include <algorithm>

namespace lb {
namespace {

// Whether text has the shape, where '#' stands for any digit and every other
// character for itself.
bool hasShape(std::string_view text, std::string_view shape) {
    return text.size() == shape.size() &&
           std::equal(text.begin(), text.end(), shape.begin(),
                      [](char c, char s) { return s == '#' ? c >= '0' && c <= '9' : c == s; });
}

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// ".sync-conflict-20261207-101500-ABCDEFG": the date, the time, and the short
// identity of the device whose change lost, upper-case letters and digits.
bool isSyncthingMark(std::string_view mark) {
    constexpr std::string_view kStart = ".sync-conflict-########-######-";
    if (mark.size() <= kStart.size() || !hasShape(mark.substr(0, kStart.size()), kStart)) {
        return false;
    }
    const std::string_view device = mark.substr(kStart.size());
    return std::all_of(device.begin(), device.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

// " (conflicted copy 2026-12-07 101500)", " (conflicted copy 2026-12-07)" and
// " (Mary's conflicted copy 2026-12-07)": Nextcloud's and Dropbox's, which
// differ in the time and the owner's name.
bool isCopyInParentheses(std::string_view mark) {
    if (!startsWith(mark, " (") || !endsWith(mark, ")")) {
        return false;
    }
    std::string_view inside = mark.substr(2, mark.size() - 3);
    constexpr std::string_view kDate = "conflicted copy ####-##-##";
    constexpr std::string_view kDateTime = "conflicted copy ####-##-## ######";
    std::string_view owner;
    if (inside.size() >= kDateTime.size() &&
        hasShape(inside.substr(inside.size() - kDateTime.size()), kDateTime)) {
        owner = inside.substr(0, inside.size() - kDateTime.size());
    } else if (inside.size() >= kDate.size() &&
               hasShape(inside.substr(inside.size() - kDate.size()), kDate)) {
        owner = inside.substr(0, inside.size() - kDate.size());
    } else {
        return false;
    }
    constexpr std::string_view kPossessive = "'s ";
    return owner.empty() || (owner.size() > kPossessive.size() && endsWith(owner, kPossessive));
}

bool isConflictMark(std::string_view mark) {
    return isSyncthingMark(mark) || isCopyInParentheses(mark) ||
           hasShape(mark, "_conflict-########-######");
}

} // namespace

std::vector<std::string> conflictCopies(std::string_view fileName,
                                        const std::vector<std::string>& names) {
    // Every tool puts its mark between the name and the last extension.
    const std::size_t dot = fileName.rfind('.');
    const std::string_view stem = fileName.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
    std::vector<std::string> copies;
    for (const std::string& name : names) {
        const std::string_view n = name;
        if (n.size() > stem.size() + extension.size() && startsWith(n, stem) &&
            endsWith(n, extension) &&
            isConflictMark(n.substr(stem.size(), n.size() - stem.size() - extension.size()))) {
            copies.push_back(name);
        }
    }
    return copies;
}

} // namespace lb
