#pragma once

// A handle to one node of an XmlDocument, or empty. Copying it copies the
// reference, never the node; it stays valid until the document is loaded again.
// Navigation sees what the readers expect: text made only of white space
// between elements is skipped by FirstChild and NextSibling, although the
// document keeps it so that saving writes the file's own layout back. An
// attribute is a node too, and its value is held by a text child of its own
// (present even when the value is empty), so one function replaces the text of
// an element or of an attribute alike.

#include <pugixml.hpp>

#include <string_view>

class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(pugi::xml_node node);

    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsElement() const;
    // The tag name of an element, the name of an attribute, the target of a
    // processing instruction; "#text", "#comment" and the like for the others;
    // "" when empty.
    std::string_view Name() const;
    // The text of a text, comment or processing instruction node, the value of
    // an attribute; "" for elements and empty handles.
    std::string_view Value() const;
    // Raises XmlError on a node that holds no value (element, empty handle).
    void SetValue(std::string_view value) const;

    XmlNode FirstChild() const;
    XmlNode NextSibling() const;
    XmlNode Parent() const;
    // Only elements have attributes; empty when there is none of that name.
    bool HasAttributes() const { return IsElement(); }
    XmlNode Attribute(std::string_view name) const;

    friend bool operator==(const XmlNode&, const XmlNode&) = default;

private:
    enum class Kind { Empty, Node, Attribute, AttributeText };
    XmlNode(Kind kind, pugi::xml_attribute attribute);

    Kind kind_ = Kind::Empty;
    pugi::xml_node node_;
    pugi::xml_attribute attribute_;
};
