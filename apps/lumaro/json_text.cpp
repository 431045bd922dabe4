#include "apps/lumaro/json_text.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace lumaro {

std::string JsonString(std::string_view utf8) {
    std::string json = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c == '\t') {
            json += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[32];
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.10g", value);
    }
    return text;
}

void JsonObject::Add(std::string_view key, const std::string& jsonValue) {
    members_ += members_.empty() ? "{\n" : ",\n";
    members_ += "  " + JsonString(key) + ": " + jsonValue;
}

void JsonObject::AddText(std::string_view key, std::string_view utf8) {
    Add(key, utf8.empty() ? "null" : JsonString(utf8));
}

void JsonArrayWriter::Write(const std::string& object) {
    out_ << (first_ ? "[\n" : ",\n") << object;
    first_ = false;
}

void JsonArrayWriter::Finish() {
    out_ << (first_ ? "[]\n" : "\n]\n");
    first_ = true;
}

} // namespace lumaro
