#include "profile/XmlAccess.h"

#include "profile/XmlError.h"

#include <cerrno>

std::unique_ptr<XmlDocument> CreateXmlDocument()
{
    return std::make_unique<XmlDocument>();
}

bool LoadXmlText(XmlDocument& document, std::string_view text)
{
    return document.Parse(text);
}

XmlNode GetDocumentElement(const XmlDocument& document)
{
    return document.Root();
}

// Depth first without recursion, so that a deeply nested document cannot
// exhaust the stack. depth counts the levels below the start node's own.
XmlNode FindNode(XmlNode start, std::string_view name, Search search)
{
    XmlNode current = start;
    int depth = 0;
    while (!current.IsEmpty()) {
        if (current.Name() == name)
            return current;
        if (search == Search::Recursive) {
            if (XmlNode child = current.FirstChild(); !child.IsEmpty()) {
                current = child;
                ++depth;
                continue;
            }
        }
        while (depth > 0 && current.NextSibling().IsEmpty()) {
            current = current.Parent();
            --depth;
        }
        current = current.NextSibling();
    }
    return {};
}

XmlNode GetAttribute(XmlNode element, std::string_view name, std::string& value)
{
    if (!element.HasAttributes())
        throw XmlError(EINVAL, "This XML node has no attributes");
    XmlNode attribute = element.Attribute(name);
    if (!attribute.IsEmpty())
        value = attribute.Value();
    return attribute;
}

void SetNodeText(XmlNode node, std::string_view text)
{
    XmlNode target = IsTextNode(node) ? node : FirstTextChild(node);
    if (!target.IsEmpty())
        target.SetValue(text);
}

bool IsTextNode(XmlNode node)
{
    return node.Name() == "#text";
}

XmlNode FirstTextChild(XmlNode node)
{
    for (XmlNode child = node.FirstChild(); !child.IsEmpty(); child = child.NextSibling()) {
        if (IsTextNode(child))
            return child;
    }
    return {};
}
