#include "profile/XmlAccess.h"
#include "profile/NodeIndex.h"
#include "profile/XmlError.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <vector>

namespace {

// A document whose first team lacks weapons, with comments and text between.
constexpr std::string_view kTwoTeams = "<root>\n"
                                       "  <NVA><kits/><!-- no weapons here --></NVA>\n"
                                       "  <USArmy>text<weapons id=\"usarmy\"/></USArmy>\n"
                                       "  <mutt2/><mutt id=\"plain\"/>\n"
                                       "</root>\n";

class XmlAccess : public ::testing::Test {
protected:
    XmlNode Parse(std::string_view text)
    {
        EXPECT_TRUE(LoadXmlText(document, text));
        return GetDocumentElement(document);
    }
    static std::string Id(XmlNode element)
    {
        std::string id;
        GetAttribute(element, "id", id);
        return id;
    }

    XmlDocument document;
};

// The errno that call raises as an XmlError; 0 when it raises none.
template <typename Call> int RaisedErrno(Call call)
{
    try {
        call();
    } catch (const XmlError& error) {
        return error.code();
    }
    return 0;
}

}  // namespace

// Navigation skips the white space between elements but sees every other node.
TEST_F(XmlAccess, FindNodeRunsOnIntoTheFollowingSiblingsAtAnyDepth)
{
    const XmlNode root = Parse(kTwoTeams);
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
    constexpr int kDepth = 200000;
    std::string deep;
    for (int i = 0; i < kDepth; ++i)
        deep += "<a>";
    deep += "<deep/>" + ReplaceAll(deep, "<a>", "</a>");
    EXPECT_EQ(FindNode(Parse(deep), "deep", Search::Recursive).Name(), "deep");
}

TEST_F(XmlAccess, GetAttributeReadsPresentValuesAndRaisesWhereNoneCanBe)
{
    const XmlNode root = Parse("<a x=\"1\" empty=\"\">text<!-- c --></a>");
    std::string value = "untouched";
    EXPECT_TRUE(GetAttribute(root, "y", value).IsEmpty());
    EXPECT_EQ(value, "untouched");
    EXPECT_EQ(GetAttribute(root, "x", value).Name(), "x");
    EXPECT_EQ(value, "1");
    EXPECT_FALSE(GetAttribute(root, "empty", value).IsEmpty());
    EXPECT_EQ(value, "");
    for (XmlNode node : {XmlNode(), root.FirstChild(), root.FirstChild().NextSibling()})
        EXPECT_EQ(RaisedErrno([&] { GetAttribute(node, "x", value); }), EINVAL) << node.Name();
    EXPECT_THROW(root.SetValue("x"), XmlError);
    EXPECT_THROW(XmlNode().SetValue("x"), XmlError);
}

TEST_F(XmlAccess, SetNodeTextReplacesAttributeValuesAndTheFirstText)
{
    const XmlNode root = Parse(
        "<a x=\"1\" empty=\"\"><b>old</b><c>\r\n\t</c><d/><e><!--c--><![CDATA[d]]>e</e></a>");
    std::string unused;
    SetNodeText(GetAttribute(root, "x", unused), "2");
    SetNodeText(GetAttribute(root, "empty", unused), "filled");
    SetNodeText(GetAttribute(root, "missing", unused), "never");
    SetNodeText(FindNode(root, "b", Search::Recursive), "new");
    SetNodeText(FindNode(root, "c", Search::Recursive), "not white space only");
    SetNodeText(FindNode(root, "d", Search::Recursive), "no text child");
    SetNodeText(FindNode(root, "e", Search::Recursive), "text, not comment or CDATA");
    SetNodeText(XmlNode(), "nothing");
    EXPECT_EQ(document.Serialize(),
        "<a x=\"2\" empty=\"filled\"><b>new</b><c>\r\n\t</c><d/>"
        "<e><!--c--><![CDATA[d]]>text, not comment or CDATA</e></a>");
}

TEST(XmlDocument, SavesTheBytesItLoaded)
{
    const std::vector<std::pair<const char*, std::string>> documents = {
        {"built-in default", kDefault},
        {"hand-written with line feeds", kHandWritten},
        {"no declaration", "<a>\n  <b c=\"&amp;&lt;&quot;\"/>\n</a>"},
        {"byte order mark", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<a/>\r\n"},
        {"Latin-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a n=\"\xE9\"/>"},
        {"document type and instructions",
            "<!DOCTYPE a>\n<?style x?>\n<a><![CDATA[<raw>]]></a>\n<!-- end -->\n"},
        {"mixed content", "<a>one <b>two</b> three\r\n</a>"},
        {"white space in attributes", "<a b=\"\tx\r\ny\n\"/>"},
    };
    for (const auto& [name, text] : documents) {
        XmlDocument document;
        EXPECT_TRUE(LoadXmlText(document, text)) << name;
        // Raw white space in an attribute reads as spaces, and is saved so.
        EXPECT_EQ(document.Serialize(), ReplaceAll(text, "\"\tx\r\ny\n\"", "\" x y \"")) << name;
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
    for (const std::string& text :
        {std::string(kTwoTeams), std::string("<a><a><b/></a><b/><?b?></a><!-- after -->")}) {
        XmlDocument document;
        ASSERT_TRUE(LoadXmlText(document, text));
        const NodeIndex index(GetDocumentElement(document));
        std::set<std::string> names{"none"};
        for (std::size_t position = 0; position < index.size(); ++position)
            names.insert(std::string(index.At(position).node.Name()));
        for (std::size_t position = 0; position < index.size(); ++position) {
            const NodeIndex::Entry start = index.At(position);
            for (const std::string& name : names) {
                EXPECT_EQ(
                    index.Find(start, name).node, FindNode(start.node, name, Search::Recursive))
                    << "from " << start.node.Name() << " #" << position << " for " << name;
            }
        }
    }
    const NodeIndex empty{XmlNode()};
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_TRUE(empty.Find(empty.Root(), "a").node.IsEmpty());
}
