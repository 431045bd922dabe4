#pragma once

// The tag dictionaries: names to tag ids and back.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace exif {

enum class TagDictionary { Standard = 0, MakerNote2 = 2, MakerNote3 = 3 };

struct TagRow {
    std::uint16_t id;
    std::string_view name;
};

// The rows of a dictionary in their fixed order.
[[nodiscard]] std::span<const TagRow> TTagTable(TagDictionary dictionary);

// First row with the name (exact, case-sensitive); nothing when absent.
[[nodiscard]] std::optional<std::uint16_t> TagIdOf(TagDictionary dictionary, std::string_view name);

// Name of the first row with the id; "" when the dictionary has none.
[[nodiscard]] std::string_view TagNameOf(TagDictionary dictionary, std::uint16_t id);

} // namespace exif
