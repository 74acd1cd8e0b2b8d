#include "JsonValue.h"

#include <stdexcept>

namespace {

JsonValue Make(JsonValue::Kind kind, bool boolean = false)
{
    JsonValue value;
    value.kind = kind;
    value.boolean = boolean;
    return value;
}

class JsonParser {
public:
    explicit JsonParser(std::string_view text)
        : text_(text)
    {
    }

    std::optional<JsonValue> ParseDocument()
    {
        std::optional<JsonValue> value = ParseValue();
        SkipSpace();
        if (position_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    std::optional<JsonValue> ParseValue()
    {
        SkipSpace();
        if (Accept("null"))
            return Make(JsonValue::Kind::Null);
        if (Accept("true"))
            return Make(JsonValue::Kind::Bool, true);
        if (Accept("false"))
            return Make(JsonValue::Kind::Bool, false);
        if (Peek() == '"')
            return ParseString();
        if (Accept("["))
            return ParseArray();
        if (Accept("{"))
            return ParseObject();
        return std::nullopt;
    }

    std::optional<JsonValue> ParseString()
    {
        ++position_;
        JsonValue value = Make(JsonValue::Kind::String);
        while (position_ < text_.size() && text_[position_] != '"') {
            const char character = text_[position_++];
            if (static_cast<unsigned char>(character) < 0x20)
                return std::nullopt;
            if (character != '\\') {
                value.text += character;
                continue;
            }
            if (!ParseEscape(value.text))
                return std::nullopt;
        }
        if (!Accept("\""))
            return std::nullopt;
        return value;
    }

    // Only the escapes a writer needs; \u for control characters only.
    bool ParseEscape(std::string& text)
    {
        constexpr std::string_view kFrom = "\"\\/bfnrt";
        constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (position_ >= text_.size())
            return false;
        const char escape = text_[position_++];
        if (const std::size_t index = kFrom.find(escape); index != std::string_view::npos) {
            text += kTo[index];
            return true;
        }
        if (escape != 'u' || position_ + 4 > text_.size())
            return false;
        const int code = std::stoi(std::string(text_.substr(position_, 4)), nullptr, 16);
        position_ += 4;
        if (code >= 0x20)
            return false;
        text += static_cast<char>(code);
        return true;
    }

    std::optional<JsonValue> ParseArray()
    {
        JsonValue array = Make(JsonValue::Kind::Array);
        SkipSpace();
        if (Accept("]"))
            return array;
        do {
            std::optional<JsonValue> item = ParseValue();
            if (!item)
                return std::nullopt;
            array.items.push_back(std::move(*item));
            SkipSpace();
        } while (Accept(","));
        return Accept("]") ? std::optional<JsonValue>(std::move(array)) : std::nullopt;
    }

    std::optional<JsonValue> ParseObject()
    {
        JsonValue object = Make(JsonValue::Kind::Object);
        SkipSpace();
        if (Accept("}"))
            return object;
        do {
            SkipSpace();
            if (Peek() != '"')
                return std::nullopt;
            std::optional<JsonValue> key = ParseString();
            SkipSpace();
            if (!key || !Accept(":"))
                return std::nullopt;
            std::optional<JsonValue> item = ParseValue();
            if (!item)
                return std::nullopt;
            object.keys.push_back(std::move(key->text));
            object.items.push_back(std::move(*item));
            SkipSpace();
        } while (Accept(","));
        return Accept("}") ? std::optional<JsonValue>(std::move(object)) : std::nullopt;
    }

    char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    bool Accept(std::string_view word)
    {
        if (text_.substr(position_, word.size()) != word)
            return false;
        position_ += word.size();
        return true;
    }

    void SkipSpace()
    {
        while (position_ < text_.size()
            && std::string_view(" \t\r\n").find(text_[position_]) != std::string_view::npos)
            ++position_;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const
{
    for (std::size_t index = 0; index < keys.size(); ++index) {
        if (keys[index] == key)
            return items[index];
    }
    throw std::out_of_range("no member " + std::string(key));
}

const JsonValue& JsonValue::operator[](std::size_t index) const
{
    return items.at(index);
}

std::optional<JsonValue> ParseJson(std::string_view text)
{
    return JsonParser(text).ParseDocument();
}
