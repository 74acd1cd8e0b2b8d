#include "profile/NodeIndex.h"
#include "profile/XmlAccess.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A document whose first team lacks weapons, with comments and text between.
constexpr std::string_view kTwoTeams = "<root>\n"
                                       "  <NVA><kits/><!-- no weapons here --></NVA>\n"
                                       "  <USArmy>text<weapons id=\"usarmy\"/></USArmy>\n"
                                       "  <mutt2/><mutt id=\"plain\"/>\n"
                                       "</root>\n";

std::string Id(XmlNode element)
{
    std::string id;
    GetAttribute(element, "id", id);
    return id;
}

}  // namespace

// Navigation skips the white space between elements but sees every other node.
TEST(XmlAccess, FindNodeRunsOnIntoTheFollowingSiblingsAtAnyDepth)
{
    XmlDocument document;
    ASSERT_TRUE(LoadXmlText(document, kTwoTeams));
    const XmlNode root = GetDocumentElement(document);
    const XmlNode nva = FindNode(root, "NVA", Search::Recursive);
    ASSERT_EQ(nva, root.FirstChild());
    EXPECT_EQ(nva.FirstChild().NextSibling().Name(), "#comment");
    EXPECT_EQ(Id(FindNode(nva, "weapons", Search::Recursive)), "usarmy");
    EXPECT_EQ(Id(FindNode(root, "mutt", Search::Recursive)), "plain");
    EXPECT_TRUE(FindNode(nva, "weapons", Search::Flat).IsEmpty());
    EXPECT_EQ(FindNode(nva, "USArmy", Search::Flat).Name(), "USArmy");
    EXPECT_TRUE(FindNode(root, "Mutt", Search::Recursive).IsEmpty());
    EXPECT_TRUE(FindNode(XmlNode(), "NVA", Search::Recursive).IsEmpty());
    // Deep nesting must not exhaust the stack.
    const std::string deep = std::string(200000, 'a');
    ASSERT_TRUE(LoadXmlText(document,
        ReplaceAll(deep, "a", "<a>") + "<deep/>" + ReplaceAll(deep, "a", "</a>")));
    EXPECT_EQ(FindNode(GetDocumentElement(document), "deep", Search::Recursive).Name(), "deep");
}

TEST(XmlDocument, SavesTheBytesItLoaded)
{
    for (const std::string& text : {kDefault, kHandWritten,
             std::string("<a>\n  <b c=\"&amp;&lt;&quot;\"/>\n</a>"),  // no declaration
             std::string("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<a/>\r\n"),  // byte order mark
             std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a n=\"\xE9\"/>"),
             std::string("<!DOCTYPE a>\n<?style x?>\n<a><![CDATA[<raw>]]></a>\n<!-- end -->\n"),
             std::string("<a>one <b>two</b> three\r\n</a>"),  // mixed content
             std::string("<a b=\"\tx\r\ny\n\"/>")}) {
        XmlDocument document;
        EXPECT_TRUE(LoadXmlText(document, text)) << text;
        // Raw white space in an attribute reads as spaces, and is saved so.
        EXPECT_EQ(document.Serialize(), ReplaceAll(text, "\"\tx\r\ny\n\"", "\" x y \"")) << text;
    }
}

TEST(XmlDocument, FailedParseLeavesNoRootElement)
{
    XmlDocument document;
    for (const char* text :
        {"", " \r\n", "<a><b></a>", "<a/><b/>", "<a/>text", "x<a/>", "<!-- c -->",
            "\n<?xml version=\"1.0\"?><a/>", "<a/><!DOCTYPE a>", "<a/><![CDATA[x]]>",
            // What pugixml alone would take, and save changed.
            "<a b=\"&\"/>", "<a b=\"<\"/>", "<a b=\"1\" b=\"2\"/>", "<a b=\"&me;\"/>",
            "<a>\x01</a>", "<a><!-- x -- y --></a>", "<a>&#0;</a>",
            "<!DOCTYPE a [<!ENTITY me \"x\">]><a b=\"&me;\"/>",
            "<!DOCTYPE a SYSTEM \"a.dtd\"><a b=\"&me;\"/>"}) {
        ASSERT_TRUE(LoadXmlText(document, "<previous/>"));
        EXPECT_FALSE(LoadXmlText(document, text)) << '"' << text << '"';
        EXPECT_TRUE(GetDocumentElement(document).IsEmpty()) << '"' << text << '"';
        EXPECT_EQ(document.Serialize(), "") << '"' << text << '"';
    }
}

// The profile reader answers its searches from a NodeIndex; it must give what
// FindNode gives for every start and every name.
TEST(NodeIndex, AgreesWithFindNodeEverywhere)
{
    for (const std::string_view text :
        {kTwoTeams, std::string_view("<a><a><b/></a><b/><?b?></a><!-- after -->")}) {
        XmlDocument document;
        ASSERT_TRUE(LoadXmlText(document, text));
        const NodeIndex index(GetDocumentElement(document));
        std::set<std::string> names{"none"};
        for (std::size_t position = 0; position < index.size(); ++position)
            names.insert(std::string(index.At(position).node.Name()));
        for (std::size_t position = 0; position < index.size(); ++position) {
            for (const std::string& name : names) {
                EXPECT_EQ(index.Find(index.At(position), name).node,
                    FindNode(index.At(position).node, name, Search::Recursive))
                    << "from #" << position << " for " << name;
            }
        }
    }
    const NodeIndex empty{XmlNode()};
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_TRUE(empty.Find(empty.Root(), "a").node.IsEmpty());
}
