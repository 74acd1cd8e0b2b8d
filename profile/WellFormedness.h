#pragma once

// Whether bytes are one well-formed XML 1.0 document, asked of expat, a
// conforming parser, before pugixml builds the tree we edit: pugixml accepts
// some documents that XML forbids (a "<" in an attribute, duplicate attributes,
// "--" in a comment, control characters) and would then save them changed.
// Documents with a document type definition (entities, attribute defaults,
// inline or in another file) are refused as well: the program could not
// write them back as they were read. A bare <!DOCTYPE name> is fine.

#include <string>
#include <string_view>

// "" for an acceptable document, else the reason with its place, as
// "line 3, column 17: not well-formed (invalid token)".
std::string WellFormednessProblem(std::string_view text);
