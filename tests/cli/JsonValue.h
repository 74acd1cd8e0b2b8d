#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A JSON value read back from the tool's output, strictly: a test fails on
// anything that is not one complete, valid JSON text. Numbers are not needed.
struct JsonValue {
    enum class Kind { Null, Bool, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;
    std::vector<std::string> keys;  // of an object, in order, beside its items
    std::vector<JsonValue> items;

    // Throw std::out_of_range when there is no such member or item.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
};

std::optional<JsonValue> ParseJson(std::string_view text);
