#include "profile/WellFormedness.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <new>
#include <string>

namespace {

struct ParserReason {
    XML_Error code;
    const char* english;  // expat's own words for it
};

// The reasons a file edited by hand can give, in the user's language. The
// others (a parser misused, a document type's entities, which are refused
// before) keep expat's English words.
constexpr std::array kParserReasons{
    ParserReason{XML_ERROR_SYNTAX, TranslatedLater("syntax error")},
    ParserReason{XML_ERROR_NO_ELEMENTS, TranslatedLater("no element found")},
    ParserReason{XML_ERROR_INVALID_TOKEN, TranslatedLater("not well-formed (invalid token)")},
    ParserReason{XML_ERROR_UNCLOSED_TOKEN, TranslatedLater("unclosed token")},
    ParserReason{XML_ERROR_PARTIAL_CHAR, TranslatedLater("partial character")},
    ParserReason{XML_ERROR_TAG_MISMATCH, TranslatedLater("mismatched tag")},
    ParserReason{XML_ERROR_DUPLICATE_ATTRIBUTE, TranslatedLater("duplicate attribute")},
    ParserReason{XML_ERROR_JUNK_AFTER_DOC_ELEMENT, TranslatedLater("junk after document element")},
    ParserReason{XML_ERROR_UNDEFINED_ENTITY, TranslatedLater("undefined entity")},
    ParserReason{XML_ERROR_BAD_CHAR_REF, TranslatedLater("reference to invalid character number")},
    ParserReason{XML_ERROR_MISPLACED_XML_PI,
        TranslatedLater("XML or text declaration not at start of entity")},
    ParserReason{XML_ERROR_UNKNOWN_ENCODING, TranslatedLater("unknown encoding")},
    ParserReason{XML_ERROR_INCORRECT_ENCODING,
        TranslatedLater("encoding specified in XML declaration is incorrect")},
    ParserReason{XML_ERROR_UNCLOSED_CDATA_SECTION, TranslatedLater("unclosed CDATA section")},
    ParserReason{XML_ERROR_XML_DECL, TranslatedLater("XML declaration not well-formed")},
    ParserReason{XML_ERROR_PUBLICID, TranslatedLater("illegal character(s) in public id")},
};

const char* ParserReasonText(XML_Error code)
{
    const auto known = std::find_if(kParserReasons.begin(), kParserReasons.end(),
        [code](const ParserReason& reason) { return reason.code == code; });
    return known != kParserReasons.end() ? Translated(known->english) : XML_ErrorString(code);
}

std::string Placed(XML_Size line, XML_Size column, std::string_view reason)
{
    // TRANSLATORS: where a file is not well-formed XML, and why.
    return Formatted(Translated("line %1$s, column %2$s: %3$s"),
        {std::to_string(line), std::to_string(column), reason});
}

struct Check {
    XML_Parser parser;
    const char* refusal = nullptr;  // ours, when expat itself found nothing wrong
};

void Refuse(void* data, const char* reason)
{
    auto* check = static_cast<Check*>(data);
    check->refusal = reason;
    XML_StopParser(check->parser, XML_FALSE);
}

// A document type that names or holds declarations could give values that
// pugixml does not see, or leave entities undeclared that it would write as text.
void OnDocumentType(
    void* data, const XML_Char*, const XML_Char* systemId, const XML_Char*, int internalSubset)
{
    if (internalSubset || systemId)
        Refuse(data,
            Translated(
                "document type definitions (entities, attribute defaults) are not supported"));
}

}  // namespace

std::string WellFormednessProblem(std::string_view text)
{
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser)
        throw std::bad_alloc();
    if (text.size() > INT_MAX)
        return Placed(1, 1, Translated("too large to be a profile"));
    Check check{parser.get()};
    XML_SetUserData(parser.get(), &check);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDocumentType);
    if (XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE)
        == XML_STATUS_OK)
        return {};
    const char* reason
        = check.refusal ? check.refusal : ParserReasonText(XML_GetErrorCode(parser.get()));
    // expat counts columns from 0, editors from 1.
    return Placed(XML_GetCurrentLineNumber(parser.get()),
        XML_GetCurrentColumnNumber(parser.get()) + 1, reason);
}
