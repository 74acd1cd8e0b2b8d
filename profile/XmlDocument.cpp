#include "profile/XmlDocument.h"

#include <array>
#include <utility>

namespace {

// pugixml keeps the white-space text only when parsing a fragment, and the line
// ends only without end-of-line normalisation; HoldsOneDocument then asks of the
// fragment what a document must be.
constexpr unsigned kParseOptions = pugi::parse_ws_pcdata | pugi::parse_fragment
    | pugi::parse_declaration | pugi::parse_doctype | pugi::parse_pi | pugi::parse_comments
    | pugi::parse_cdata | pugi::parse_escapes;
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

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Exactly one root element; beside it only white space, comments and processing
// instructions, a declaration at the very start and a document type before it.
bool HoldsOneDocument(const pugi::xml_document& document)
{
    bool seenRoot = false;
    bool seenDocumentType = false;
    for (pugi::xml_node node : document.children()) {
        switch (node.type()) {
        case pugi::node_element:
            if (seenRoot)
                return false;
            seenRoot = true;
            break;
        case pugi::node_pcdata:
            if (!IsBlank(node.value()))
                return false;
            break;
        case pugi::node_declaration:
            if (node != document.first_child())
                return false;
            break;
        case pugi::node_doctype:
            if (seenRoot || seenDocumentType)
                return false;
            seenDocumentType = true;
            break;
        case pugi::node_comment:
        case pugi::node_pi:
            break;
        default:
            return false;
        }
    }
    return seenRoot;
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
    const pugi::xml_parse_result result
        = document_.load_buffer(text.data(), text.size(), kParseOptions);
    if (!result || !HoldsOneDocument(document_)) {
        Clear();
        return false;
    }
    encoding_ = result.encoding;
    byteOrderMark_ = StartsWithByteOrderMark(text);
    return true;
}

void XmlDocument::Clear()
{
    document_.reset();
    encoding_ = pugi::encoding_utf8;
    byteOrderMark_ = false;
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
