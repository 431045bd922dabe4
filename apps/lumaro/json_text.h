#pragma once

// The small part of JSON that lumaro writes: one array of objects, streamed an object at a
// time, with text and number values.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace lumaro {

// A UTF-8 text as a JSON string, quotes included.
[[nodiscard]] std::string JsonString(std::string_view utf8);

// A number as JSON: whole numbers without a fraction, others with up to 10 significant digits.
[[nodiscard]] std::string JsonNumber(double value);

// One object, its members added in order; values are JSON text already.
class JsonObject {
public:
    void Add(std::string_view key, const std::string& jsonValue);
    // null for an empty text.
    void AddText(std::string_view key, std::string_view utf8);
    [[nodiscard]] std::string Text() const { return members_ + (members_.empty() ? "{}" : "\n}"); }

private:
    std::string members_;
};

// "[", the objects separated by commas, "]": the array is whole once Finish is called, even
// when no object was written.
class JsonArrayWriter {
public:
    explicit JsonArrayWriter(std::ostream& out) : out_(out) {}
    void Write(const std::string& object);
    void Finish();

private:
    std::ostream& out_;
    bool first_ = true;
};

} // namespace lumaro
