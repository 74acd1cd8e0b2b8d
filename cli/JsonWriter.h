#pragma once

// Writes one JSON value, indented by two spaces per level. The writer places
// the commas and line breaks; callers pair every Begin with its End and give
// every member of an object a Key first. Text is written as UTF-8; a byte that
// is not part of valid UTF-8 is written as the escape \udcXX (XX its value),
// which Python's surrogateescape and os.fsencode turn back into the byte.

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out);

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view name);
    void String(std::string_view text);
    void Bool(bool value);
    void Number(std::uint64_t value);
    void Null();

private:
    void BeforeValue();
    void Begin(char bracket);
    void End(char bracket);
    void NewLine();
    void WriteQuoted(std::string_view text);

    std::ostream& out_;
    // One entry per open object or array: whether it has a member yet.
    std::vector<bool> hasMembers_;
    bool afterKey_ = false;
};
