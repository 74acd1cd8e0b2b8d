#pragma once

// The profile store's one XML document, over pugixml. It keeps everything that
// writing the file back needs besides the tree: the white space between
// elements, line ends, comments, the declaration, the encoding and any
// byte-order mark, so that loading and saving a file changes only the values the
// program set. Entity and character references are decoded on reading and
// written in pugixml's escaped form.

#include "profile/XmlNode.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>

class XmlDocument {
public:
    // Replaces the content with the text's. False, leaving no root element, when
    // the text is not one well-formed document (see WellFormedness.h).
    bool Parse(std::string_view text);
    // Why the last Parse failed, with line and column; "" after a success.
    const std::string& parseProblem() const { return problem_; }
    void Clear();
    // The content as file bytes, in the encoding the text came in.
    std::string Serialize() const;
    // The root element; empty when there is none.
    XmlNode Root() const;

private:
    pugi::xml_document document_;
    pugi::xml_encoding encoding_ = pugi::encoding_utf8;
    bool byteOrderMark_ = false;
    std::string problem_;
};
