#include "profile/XmlAccess.h"
#include "profile/DefaultDocument.h"
#include "profile/NodeIndex.h"
#include "profile/XmlError.h"

#include "CaseName.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

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

}  // namespace

TEST_F(XmlAccess, FindNodeRunsOnIntoTheFollowingSiblings)
{
    const XmlNode root = Parse(kTwoTeams);
    const XmlNode nva = FindNode(root, "NVA", Search::Recursive);
    ASSERT_FALSE(nva.IsEmpty());
    EXPECT_EQ(Id(FindNode(nva, "weapons", Search::Recursive)), "usarmy");
    EXPECT_EQ(Id(FindNode(root, "mutt", Search::Recursive)), "plain");
    EXPECT_TRUE(FindNode(nva, "weapons", Search::Flat).IsEmpty());
    EXPECT_EQ(FindNode(nva, "USArmy", Search::Flat).Name(), "USArmy");
    EXPECT_TRUE(FindNode(root, "Mutt", Search::Recursive).IsEmpty());
    EXPECT_TRUE(FindNode(XmlNode(), "NVA", Search::Recursive).IsEmpty());
}

TEST_F(XmlAccess, NavigationSkipsWhiteSpaceButSeesOtherNodes)
{
    const XmlNode root = Parse(kTwoTeams);
    const XmlNode nva = root.FirstChild();
    EXPECT_EQ(nva.Name(), "NVA");
    EXPECT_EQ(nva.NextSibling().Name(), "USArmy");
    EXPECT_EQ(nva.FirstChild().NextSibling().Name(), "#comment");
    EXPECT_EQ(nva.NextSibling().FirstChild().Name(), "#text");
    EXPECT_EQ(nva.NextSibling().NextSibling().NextSibling().NextSibling(), XmlNode());
    EXPECT_EQ(nva.Parent(), root);
}

TEST_F(XmlAccess, FindNodeSurvivesDeepNesting)
{
    constexpr int kDepth = 200000;
    std::string text;
    for (int i = 0; i < kDepth; ++i)
        text += "<a>";
    text += "<deep/>";
    for (int i = 0; i < kDepth; ++i)
        text += "</a>";
    const XmlNode root = Parse(text);
    EXPECT_EQ(FindNode(root, "deep", Search::Recursive).Name(), "deep");
    EXPECT_TRUE(FindNode(root, "none", Search::Recursive).IsEmpty());
}

TEST_F(XmlAccess, GetAttributeReadsPresentValuesOnly)
{
    const XmlNode root = Parse("<a x=\"1\" empty=\"\"/>");
    std::string value = "untouched";
    EXPECT_TRUE(GetAttribute(root, "y", value).IsEmpty());
    EXPECT_EQ(value, "untouched");
    EXPECT_EQ(GetAttribute(root, "x", value).Name(), "x");
    EXPECT_EQ(value, "1");
    EXPECT_FALSE(GetAttribute(root, "empty", value).IsEmpty());
    EXPECT_EQ(value, "");
}

TEST_F(XmlAccess, GetAttributeOnANodeWithoutAttributesRaises)
{
    const XmlNode root = Parse("<a>text<!-- c --></a>");
    std::string value;
    for (XmlNode node : {XmlNode(), root.FirstChild(), root.FirstChild().NextSibling()}) {
        try {
            GetAttribute(node, "x", value);
            ADD_FAILURE() << "no XmlError for " << node.Name();
        } catch (const XmlError& error) {
            EXPECT_EQ(error.code(), EINVAL);
        }
    }
}

TEST_F(XmlAccess, SetNodeTextReplacesAttributeValuesAndText)
{
    const XmlNode root = Parse("<a x=\"1\" empty=\"\"><b>old</b><c>\r\n\t</c><d/></a>");
    std::string unused;
    SetNodeText(GetAttribute(root, "x", unused), "2");
    SetNodeText(GetAttribute(root, "empty", unused), "filled");
    SetNodeText(GetAttribute(root, "missing", unused), "never");
    SetNodeText(FindNode(root, "b", Search::Recursive), "new");
    SetNodeText(FindNode(root, "c", Search::Recursive), "not white space only");
    SetNodeText(FindNode(root, "d", Search::Recursive), "no text child");
    SetNodeText(XmlNode(), "nothing");
    EXPECT_EQ(document.Serialize(), "<a x=\"2\" empty=\"filled\"><b>new</b><c>\r\n\t</c><d/></a>");
}

TEST_F(XmlAccess, TextNodesAreTheTextAndAttributeValues)
{
    const XmlNode root = Parse("<a x=\"\"><!-- c --><![CDATA[d]]>text</a>");
    std::string unused;
    const XmlNode attribute = GetAttribute(root, "x", unused);
    EXPECT_FALSE(IsTextNode(XmlNode()));
    EXPECT_FALSE(IsTextNode(root));
    EXPECT_FALSE(IsTextNode(attribute));
    EXPECT_TRUE(IsTextNode(FirstTextChild(attribute)));
    EXPECT_EQ(FirstTextChild(root).Value(), "text");
    EXPECT_TRUE(FirstTextChild(XmlNode()).IsEmpty());
    EXPECT_TRUE(FirstTextChild(root.FirstChild()).IsEmpty());
}

TEST_F(XmlAccess, SetValueOnAnElementRaises)
{
    const XmlNode root = Parse("<a/>");
    EXPECT_THROW(root.SetValue("x"), XmlError);
    EXPECT_THROW(XmlNode().SetValue("x"), XmlError);
}

struct RoundTripCase {
    const char* name;
    std::string text;
    friend void PrintTo(const RoundTripCase& testCase, std::ostream* out) { *out << testCase.name; }
};

class XmlRoundTrip : public ::testing::TestWithParam<RoundTripCase> { };

TEST_P(XmlRoundTrip, SavesTheBytesItLoaded)
{
    XmlDocument document;
    ASSERT_TRUE(LoadXmlText(document, GetParam().text));
    EXPECT_EQ(document.Serialize(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Documents, XmlRoundTrip,
    ::testing::Values(RoundTripCase{"BuiltInDefault", std::string(DefaultDocument())},
        RoundTripCase{"HandWrittenWithLineFeeds", ReadTestData("HandWritten.wst")},
        RoundTripCase{"NoDeclaration", "<a>\n  <b c=\"&amp;&lt;&quot;\"/>\n</a>"},
        RoundTripCase{"ByteOrderMark", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<a/>\r\n"},
        RoundTripCase{"Latin1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a n=\"\xE9\"/>"},
        RoundTripCase{"DocumentTypeAndInstructions",
            "<!DOCTYPE a>\n<?style x?>\n<a><![CDATA[<raw>]]></a>\n<!-- end -->\n"},
        RoundTripCase{"MixedContent", "<a>one <b>two</b> three\r\n</a>"}),
    CaseName());

class XmlParseFailure : public ::testing::TestWithParam<RoundTripCase> { };

TEST_P(XmlParseFailure, LeavesNoRootElement)
{
    XmlDocument document;
    ASSERT_TRUE(LoadXmlText(document, "<previous/>"));
    EXPECT_FALSE(LoadXmlText(document, GetParam().text));
    EXPECT_TRUE(GetDocumentElement(document).IsEmpty());
    EXPECT_EQ(document.Serialize(), "");
}

INSTANTIATE_TEST_SUITE_P(Texts, XmlParseFailure,
    ::testing::Values(RoundTripCase{"Empty", ""}, RoundTripCase{"WhiteSpace", " \r\n"},
        RoundTripCase{"Unclosed", "<a><b></a>"}, RoundTripCase{"TwoRoots", "<a/><b/>"},
        RoundTripCase{"TextAfterRoot", "<a/>text"}, RoundTripCase{"TextBeforeRoot", "x<a/>"},
        RoundTripCase{"CommentOnly", "<!-- c -->"},
        RoundTripCase{"LateDeclaration", "\n<?xml version=\"1.0\"?><a/>"},
        RoundTripCase{"DocumentTypeAfterRoot", "<a/><!DOCTYPE a>"},
        RoundTripCase{"CdataOutsideRoot", "<a/><![CDATA[x]]>"}),
    CaseName());

TEST(XmlFile, LoadsAndSavesFiles)
{
    TestFolder folder;
    folder.Write("in.xml", "<a>\r\n\t<b/>\r\n</a>\r\n");
    XmlDocument document;
    ASSERT_TRUE(LoadXmlFile(document, folder / "in.xml"));
    SaveXmlFile(document, folder / "out.xml");
    EXPECT_EQ(folder.Read("out.xml"), "<a>\r\n\t<b/>\r\n</a>\r\n");
}

TEST(XmlFile, MissingOrBrokenFileLeavesNoRootElement)
{
    TestFolder folder;
    folder.Write("broken.xml", "<a><b></a>");
    XmlDocument document;
    for (const char* name : {"missing.xml", "broken.xml"}) {
        ASSERT_TRUE(LoadXmlText(document, "<previous/>"));
        EXPECT_FALSE(LoadXmlFile(document, folder / name));
        EXPECT_TRUE(GetDocumentElement(document).IsEmpty()) << name;
    }
}

TEST(XmlFile, SaveIntoMissingFolderRaisesWithErrno)
{
    TestFolder folder;
    XmlDocument document;
    ASSERT_TRUE(LoadXmlText(document, "<a/>"));
    try {
        SaveXmlFile(document, folder / "missing" / "out.xml");
        FAIL() << "no XmlError";
    } catch (const XmlError& error) {
        EXPECT_EQ(error.code(), ENOENT);
    }
    EXPECT_TRUE(folder.Entries().empty());
}

// The profile reader answers its searches from a NodeIndex; it must give what
// FindNode gives for every start and every name.
TEST(NodeIndex, AgreesWithFindNodeEverywhere)
{
    for (const std::string& text : {std::string(kTwoTeams), ReadTestData("HandWritten.wst"),
             std::string("<a><a><b/></a><b/><?b?></a><!-- after -->")}) {
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
}

TEST(NodeIndex, EmptyDocumentFindsNothing)
{
    const NodeIndex index{XmlNode()};
    EXPECT_EQ(index.size(), 0u);
    EXPECT_TRUE(index.Find(index.Root(), "a").node.IsEmpty());
}
