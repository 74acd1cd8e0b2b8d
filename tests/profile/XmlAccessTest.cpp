#include "profile/XmlAccess.h"

#include "fuzz/DocumentRoundTrip.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

// The fuzz corpus holds the documents that FindNode, the reader's NodeIndex
// search and a save after loading must all handle.
TEST(XmlAccess, EveryFuzzSeedKeepsThePromises)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUAVEL_FUZZ_CORPUS)) {
        EXPECT_EQ(CheckDocumentRoundTrip(FileBytes(entry.path())), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

TEST(XmlDocument, SavesTheBytesItLoaded)
{
    for (const std::string& text :
        {std::string("<a>\n  <b c=\"&amp;&lt;&quot;\"/>\n</a>"),             // no declaration
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
    for (const char* text : {"", " \r\n", "<a><b></a>", "<a/><b/>", "<a/>text", "x<a/>",
             "<!-- c -->", "\n<?xml version=\"1.0\"?><a/>", "<a/><!DOCTYPE a>", "<a/><![CDATA[x]]>",
             // What pugixml alone would take, and save changed.
             "<a b=\"&\"/>", "<a b=\"<\"/>", "<a b=\"1\" b=\"2\"/>", "<a b=\"&me;\"/>",
             "<a>\x01</a>", "<a><!-- x -- y --></a>", "<a>&#0;</a>",
             "<!DOCTYPE a [<!ENTITY me \"x\">]><a b=\"&me;\"/>",
             "<!DOCTYPE a SYSTEM \"a.dtd\"><a b=\"&me;\"/>"}) {
        ASSERT_TRUE(LoadXmlText(document, "<previous/>"));
        EXPECT_FALSE(LoadXmlText(document, text)) << '"' << text << '"';
        EXPECT_EQ(document.Serialize(), "") << '"' << text << '"';
    }
}
