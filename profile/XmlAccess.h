#pragma once

// The handful of functions through which the profile subsystem touches XML:
// parse a document from a text (the store reads and writes the files), find a
// node by name, read an attribute and replace the text of a node. Nothing here
// creates, renames or removes a node; documents change only by the values of
// attributes that are already there.
//
// XmlError is raised only where stated: by GetAttribute on an empty handle or
// a node without attributes. A parse failure is not an error: the document is
// left without a root element.

#include "profile/XmlDocument.h"
#include "profile/XmlNode.h"

#include <memory>
#include <string>
#include <string_view>

// Flat: the start node and its following siblings. Recursive: each of them
// together with its descendants, depth first in document order.
enum class Search { Flat, Recursive };

// Never none: running out of memory throws std::bad_alloc as everywhere else.
std::unique_ptr<XmlDocument> CreateXmlDocument();
// Replaces the whole content; false when the text is not one well-formed
// document (the reason in document.parseProblem()).
bool LoadXmlText(XmlDocument& document, std::string_view text);
// The root element; empty when the document holds none.
XmlNode GetDocumentElement(const XmlDocument& document);

// The first node named exactly name (case counts, whole text) among the start
// node, its following siblings and, for Search::Recursive, their descendants.
// The search does not stop at the end of the start node's own subtree. An
// empty start gives an empty result.
XmlNode FindNode(XmlNode start, std::string_view name, Search search);
// The attribute node, its value copied into value; when absent an empty handle
// and value untouched.
XmlNode GetAttribute(XmlNode element, std::string_view name, std::string& value);
// Sets the value of a text node, or else of the node's first text child (an
// attribute's value is one); changes nothing when there is no such text.
void SetNodeText(XmlNode node, std::string_view text);
bool IsTextNode(XmlNode node);
// The first child that is a text node; empty when none.
XmlNode FirstTextChild(XmlNode node);
