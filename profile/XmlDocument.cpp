#include "profile/XmlDocument.h"

#include "profile/WellFormedness.h"

#include <array>
#include <utility>

namespace {

// pugixml keeps the white-space text only when parsing a fragment, and the line
// ends only without end-of-line normalisation; expat has made sure beforehand
// that the fragment is one document. White space in attribute values becomes
// spaces, as every XML reader sees it, so a save writes the value read.
constexpr unsigned kParseOptions = pugi::parse_ws_pcdata | pugi::parse_fragment
    | pugi::parse_declaration | pugi::parse_doctype | pugi::parse_pi | pugi::parse_comments
    | pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute;
// The declaration is written only when the file had one.
constexpr unsigned kSaveOptions = pugi::format_raw | pugi::format_no_declaration;

constexpr std::array<std::string_view, 5> kByteOrderMarks{"\xEF\xBB\xBF",
    std::string_view("\x00\x00\xFE\xFF", 4), "\xFE\xFF", std::string_view("\xFF\xFE\x00\x00", 4),
    "\xFF\xFE"};

bool StartsWithByteOrderMark(std::string_view text)
{
    for (std::string_view mark : kByteOrderMarks) {
        if (text.starts_with(mark))
            return true;
    }
    return false;
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, std::size_t size) override
    {
        bytes.append(static_cast<const char*>(data), size);
    }

    std::string bytes;
};

}  // namespace

bool XmlDocument::Parse(std::string_view text)
{
    std::string problem = WellFormednessProblem(text);
    const pugi::xml_parse_result result = problem.empty()
        ? document_.load_buffer(text.data(), text.size(), kParseOptions)
        : pugi::xml_parse_result();
    // In pugixml's own English words: the rare document expat accepts and
    // pugixml refuses (out of memory, mostly) is not worth a catalogue entry.
    if (problem.empty() && !result)
        problem = result.description();
    if (!problem.empty()) {
        Clear();
        problem_ = std::move(problem);
        return false;
    }
    encoding_ = result.encoding;
    byteOrderMark_ = StartsWithByteOrderMark(text);
    problem_.clear();
    return true;
}

void XmlDocument::Clear()
{
    document_.reset();
    encoding_ = pugi::encoding_utf8;
    byteOrderMark_ = false;
    problem_.clear();
}

std::string XmlDocument::Serialize() const
{
    StringWriter writer;
    document_.save(
        writer, "", kSaveOptions | (byteOrderMark_ ? pugi::format_write_bom : 0u), encoding_);
    return std::move(writer.bytes);
}

XmlNode XmlDocument::Root() const
{
    return XmlNode(document_.document_element());
}
