#include "profile/XmlNode.h"

#include "profile/XmlError.h"

#include <cerrno>

namespace {

// A plain loop: this runs for every white-space node that navigation skips,
// and the texts are a few bytes long.
bool IsBlankText(pugi::xml_node node)
{
    if (node.type() != pugi::node_pcdata)
        return false;
    for (const char* character = node.value(); *character; ++character) {
        if (*character != ' ' && *character != '\t' && *character != '\r' && *character != '\n')
            return false;
    }
    return true;
}

pugi::xml_node SkipBlankText(pugi::xml_node node)
{
    while (IsBlankText(node))
        node = node.next_sibling();
    return node;
}

}  // namespace

XmlNode::XmlNode(pugi::xml_node node)
    : kind_(node ? Kind::Node : Kind::Empty)
    , node_(node)
{
}

XmlNode::XmlNode(Kind kind, pugi::xml_attribute attribute)
    : kind_(attribute ? kind : Kind::Empty)
    , attribute_(attribute)
{
}

bool XmlNode::IsElement() const
{
    return kind_ == Kind::Node && node_.type() == pugi::node_element;
}

std::string_view XmlNode::Name() const
{
    switch (kind_) {
    case Kind::Empty:
        return {};
    case Kind::Attribute:
        return attribute_.name();
    case Kind::AttributeText:
        return "#text";
    case Kind::Node:
        break;
    }
    switch (node_.type()) {
    case pugi::node_pcdata:
        return "#text";
    case pugi::node_cdata:
        return "#cdata-section";
    case pugi::node_comment:
        return "#comment";
    case pugi::node_doctype:
        return "#doctype";
    case pugi::node_document:
        return "#document";
    case pugi::node_declaration:
        return "xml";
    default:  // elements and processing instructions
        return node_.name();
    }
}

std::string_view XmlNode::Value() const
{
    if (kind_ == Kind::Attribute || kind_ == Kind::AttributeText)
        return attribute_.value();
    return node_.value();
}

void XmlNode::SetValue(std::string_view value) const
{
    // Handles are references: setting through a copy changes the same node.
    pugi::xml_attribute attribute = attribute_;
    pugi::xml_node node = node_;
    const bool set = (kind_ == Kind::Attribute || kind_ == Kind::AttributeText)
        ? attribute.set_value(value.data(), value.size())
        : node.set_value(value.data(), value.size());
    if (!set)
        throw XmlError(EINVAL, "This XML node holds no value to set");
}

XmlNode XmlNode::FirstChild() const
{
    switch (kind_) {
    case Kind::Node:
        return XmlNode(SkipBlankText(node_.first_child()));
    case Kind::Attribute:
        return XmlNode(Kind::AttributeText, attribute_);
    default:
        return {};
    }
}

XmlNode XmlNode::NextSibling() const
{
    return kind_ == Kind::Node ? XmlNode(SkipBlankText(node_.next_sibling())) : XmlNode();
}

XmlNode XmlNode::Parent() const
{
    switch (kind_) {
    case Kind::Node:
        return XmlNode(node_.parent());
    case Kind::AttributeText:
        return XmlNode(Kind::Attribute, attribute_);
    default:  // as in the DOM, an attribute has no parent
        return {};
    }
}

XmlNode XmlNode::Attribute(std::string_view name) const
{
    if (!IsElement())
        return {};
    for (pugi::xml_attribute attribute : node_.attributes()) {
        if (name == attribute.name())
            return XmlNode(Kind::Attribute, attribute);
    }
    return {};
}
