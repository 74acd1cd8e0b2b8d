#include "profile/WellFormedness.h"

#include <expat.h>

#include <climits>
#include <memory>
#include <new>
#include <string>

namespace {

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
        Refuse(data, "document type definitions (entities, attribute defaults) are not supported");
}

}  // namespace

std::string WellFormednessProblem(std::string_view text)
{
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser)
        throw std::bad_alloc();
    if (text.size() > INT_MAX)
        return "line 1, column 1: too large to be a profile";
    Check check{parser.get()};
    XML_SetUserData(parser.get(), &check);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDocumentType);
    if (XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE)
        == XML_STATUS_OK)
        return {};
    const char* reason
        = check.refusal ? check.refusal : XML_ErrorString(XML_GetErrorCode(parser.get()));
    // expat counts columns from 0, editors from 1.
    return "line " + std::to_string(XML_GetCurrentLineNumber(parser.get())) + ", column "
        + std::to_string(XML_GetCurrentColumnNumber(parser.get()) + 1) + ": " + reason;
}
