// The system's XML reader (XmlLite) read into a tree: UTF-16 as WlanGetProfile gives it, with or
// without a byte order mark and whatever its declaration says; a document type refused before any
// entity of its own can expand; a malformed document leaving no part of a tree behind.
#include "wlanprofile/XmlTree.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A prefix and a default namespace, text beyond ASCII (one character outside the Basic
// Multilingual Plane), a character reference and a CDATA section.
const std::wstring WideBody = L"<p:WLANProfile xmlns:p=\"urn:p\">\r\n <p:name>Caf\u00e9 \u20ac\U0001F4F6</p:name>\r\n"
                              L" <SSID xmlns=\"urn:d\"><name>&#x41;<![CDATA[<b>]]></name></SSID>\r\n</p:WLANProfile>";
const std::string Utf8Body = "<p:WLANProfile xmlns:p=\"urn:p\">\r\n <p:name>Caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x93\xB6</p:name>\r\n"
                             " <SSID xmlns=\"urn:d\"><name>&#x41;<![CDATA[<b>]]></name></SSID>\r\n</p:WLANProfile>";

void ExpectBodyTree(const XmlElement& root)
{
    EXPECT_EQ("urn:p", root.Namespace);
    EXPECT_EQ("WLANProfile", root.Name);
    const XmlElement* name = root.Child("urn:p", "name");
    ASSERT_NE(nullptr, name);
    EXPECT_EQ("Caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x93\xB6", name->Text);
    const XmlElement* ssid = root.Child("urn:d", "SSID");
    ASSERT_NE(nullptr, ssid);
    ASSERT_NE(nullptr, ssid->Child("urn:d", "name"));
    EXPECT_EQ("A<b>", ssid->Child("urn:d", "name")->Text);
}

TEST(XmlTree, UnicodeTextIsReadAsUtf16WhateverItsDeclarationSays)
{
    const struct {
        const char* What;
        std::wstring Start;
    } cases[] = {
        {"no declaration", L""},
        {"a byte order mark", L"\uFEFF"},
        {"declared UTF-8, as WlanGetProfile may say", L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"},
        {"a byte order mark and declared UTF-8", L"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"},
        {"declared UTF-16", L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        XmlElement root;
        XmlError error;
        ASSERT_TRUE(ParseXml(c.Start + WideBody, root, error)) << error.Line << ": " << error.Message;
        ExpectBodyTree(root);
    }
}

TEST(XmlTree, Utf8TextIsReadAsUtf8WithOrWithoutItsByteOrderMark)
{
    // The last is WlanGetProfile's text converted to UTF-8 with its declaration left as it was.
    for (const std::string& start : {std::string(), std::string("\xEF\xBB\xBF"),
                                     std::string("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n")}) {
        SCOPED_TRACE(start);
        XmlElement root;
        XmlError error;
        ASSERT_TRUE(ParseXml(start + Utf8Body, root, error)) << error.Line << ": " << error.Message;
        ExpectBodyTree(root);
    }
}

TEST(XmlTree, ADocumentTypeIsRefusedBeforeAnyEntityExpands)
{
    const std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n"
                               " <!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
                               " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n]>\n"
                               "<lolz>&lol3;</lolz>";
    const std::string external = "<!DOCTYPE a SYSTEM \"file:///C:/windows/win.ini\">\n<a>&x;</a>";
    for (const std::string& document : {laughs, external}) {
        SCOPED_TRACE(document);
        XmlElement root;
        XmlError error;
        EXPECT_FALSE(ParseXml(document, root, error));
        EXPECT_NE(std::string::npos, error.Message.find("document type")) << error.Message;
        EXPECT_GE(error.Line, 1u);
        EXPECT_TRUE(root.Name.empty() && root.Text.empty() && root.Children.empty());
    }
}

TEST(XmlTree, AMalformedDocumentLeavesNoTreeAndSaysTheLine)
{
    const std::wstring wide = L"<a>\r\n<b>text</b>\r\n<c>\r\n</a>";
    XmlElement root;
    root.Name = "earlier";
    root.Children.emplace_back();
    XmlError error;
    EXPECT_FALSE(ParseXml(wide, root, error));
    EXPECT_EQ(4u, error.Line);
    EXPECT_NE(std::string::npos, error.Message.find("<c>")) << error.Message;
    EXPECT_TRUE(root.Name.empty() && root.Children.empty());
}

TEST(XmlTree, NestingIsFollowedToItsLimitAndRefusedBeyondIt)
{
    for (size_t depth : {XmlMaxDepth, XmlMaxDepth + 1}) {
        SCOPED_TRACE(depth);
        std::string document;
        for (size_t i = 0; i < depth; ++i)
            document += "<a>";
        for (size_t i = 0; i < depth; ++i)
            document += "</a>";
        XmlElement root;
        XmlError error;
        const bool parsed = ParseXml(document, root, error);
        EXPECT_EQ(depth <= XmlMaxDepth, parsed) << error.Message;
        if (!parsed)
            EXPECT_NE(std::string::npos, error.Message.find("nested too deeply")) << error.Message;
    }
}

}  // namespace
