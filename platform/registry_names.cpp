#include "platform/registry_names.h"

#include "platform/codepage.h"

namespace platform {
namespace {

// Upper-case trail byte of a lower-case double-byte letter, or the trail byte unchanged.
unsigned char FoldDoubleByte(unsigned char lead, unsigned char trail) {
    if (lead == 0x82 && trail >= 0x81 && trail <= 0x9A) { // ａ-ｚ -> Ａ-Ｚ (82 60-79)
        return static_cast<unsigned char>(trail - 0x21);
    }
    if (lead == 0x83 && trail >= 0xBF && trail <= 0xD6) { // α-ω -> Α-Ω (83 9F-B6)
        return static_cast<unsigned char>(trail - 0x20);
    }
    if (lead == 0x84 && trail >= 0x70 && trail <= 0x91 && trail != 0x7F) {
        // а-я -> А-Я (84 40-60); the lower-case run skips 7F, which is no trail byte.
        return static_cast<unsigned char>(trail < 0x7F ? trail - 0x30 : trail - 0x31);
    }
    return trail;
}

} // namespace

std::string FoldRegistryName(std::string_view name) {
    std::string folded(name);
    for (std::size_t pos = 0; pos < folded.size();) {
        const std::size_t length = Cp932CharLength(folded, pos);
        auto& first = reinterpret_cast<unsigned char&>(folded[pos]);
        if (length == 2) {
            auto& second = reinterpret_cast<unsigned char&>(folded[pos + 1]);
            second = FoldDoubleByte(first, second);
        } else if (first >= 'a' && first <= 'z') {
            first = static_cast<unsigned char>(first - 'a' + 'A');
        }
        pos += length;
    }
    return folded;
}

Result<std::vector<std::string>> SplitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    if (path.empty()) {
        return names;
    }
    std::string current;
    auto finish = [&]() -> Status {
        if (current.empty()) {
            return Failure{"key path \"" + Cp932ToUtf8(path) + "\" has an empty key name"};
        }
        if (current.size() > kMaxKeyNameLength) {
            return Failure{"key path \"" + Cp932ToUtf8(path) + "\" has a key name longer than " +
                           std::to_string(kMaxKeyNameLength) + " bytes"};
        }
        names.push_back(std::move(current));
        current.clear();
        return {};
    };
    for (std::size_t pos = 0; pos < path.size();) {
        const std::size_t length = Cp932CharLength(path, pos);
        if (length == 1 && path[pos] == '\\') {
            if (Status status = finish(); !status) {
                return Failure{status.Error()};
            }
        } else {
            current.append(path.substr(pos, length));
        }
        pos += length;
    }
    if (Status status = finish(); !status) {
        return Failure{status.Error()};
    }
    return names;
}

} // namespace platform
