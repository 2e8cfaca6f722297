#include "host/MemoryInputChannel.h"
#include "host/XmlInputSource.h"

#include "support/XercesEnvironment.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>

#include <string>
#include <vector>

namespace {

[[maybe_unused]] auto* const xerces = ::testing::AddGlobalTestEnvironment(new testsupport::XercesEnvironment);

TEST(MemoryInputChannel, ReadsInPiecesUpToTheEnd) {
    const std::string text = "0123456789";
    host::MemoryInputChannel channel(text.data(), text.size());
    char buffer[4];
    std::size_t read = 99;
    std::string got;
    for (std::size_t expected : {4u, 4u, 2u, 0u, 0u}) {
        ASSERT_EQ(channel.Read(buffer, sizeof buffer, read), host::NoError);
        ASSERT_EQ(read, expected);
        got.append(buffer, read);
    }
    EXPECT_EQ(got, text);
    EXPECT_EQ(channel.GetPosition(), 10u);
}

TEST(MemoryInputChannel, EmptyAndNullBuffersAreAtTheirEnd) {
    char buffer[4];
    std::size_t read = 99;
    host::MemoryInputChannel empty("", 0);
    EXPECT_EQ(empty.Read(buffer, 4, read), host::NoError);
    EXPECT_EQ(read, 0u);
    host::MemoryInputChannel null(nullptr, 100);
    EXPECT_EQ(null.Read(buffer, 4, read), host::NoError);
    EXPECT_EQ(read, 0u);
}

// The root element's attribute "v" of a document parsed through the XML input source.
std::u16string ParseThroughChannel(const std::string& bytes) {
    host::MemoryInputChannel channel(bytes.data(), bytes.size());
    host::XmlInputSource source(channel);
    xercesc::XercesDOMParser parser;
    parser.parse(source);
    if (parser.getErrorCount() != 0 || parser.getDocument() == nullptr) {
        return u"<error>";
    }
    return parser.getDocument()->getDocumentElement()->getAttribute(u"v");
}

TEST(XmlInputSource, HandsTheBytesOverUnchangedSoTheDeclaredEncodingHolds) {
    // 0xF5 is o with double acute in ISO-8859-2 and a different letter in Latin-1.
    EXPECT_EQ(ParseThroughChannel("<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><r v=\"\xF5\"/>"),
              u"\u0151");
    EXPECT_EQ(ParseThroughChannel("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r v=\"\xC5\x91\"/>"),
              u"\u0151");
    const std::string utf16("\xFF\xFE<\0r\0 \0v\0=\0\"\0\x51\x01\"\0/\0>\0", 22);
    EXPECT_EQ(ParseThroughChannel(utf16), u"\u0151");
}

TEST(XmlInputSource, CarriesDocumentsLargerThanOneReadOfTheParser) {
    std::string value(300000, 'x');
    value[150000] = 'y';
    const std::u16string parsed = ParseThroughChannel("<r v=\"" + value + "\"/>");
    ASSERT_EQ(parsed.size(), value.size());
    EXPECT_EQ(parsed[150000], u'y');
}

TEST(XmlInputSource, ATruncatedDocumentIsAnErrorNotAHang) {
    EXPECT_EQ(ParseThroughChannel("<r v=\"abc"), u"<error>");
}

} // namespace
