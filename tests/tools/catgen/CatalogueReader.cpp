#include "CatalogueReader.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/util/TransService.hpp>

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace {

using namespace xercesc;

std::u16string Wide(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string Utf8(const XMLCh* text) {
    TranscodeToStr utf8(text, "UTF-8");
    return reinterpret_cast<const char*>(utf8.str());
}

ReadCatalogue::Attributes AttributesOf(const DOMElement& element) {
    ReadCatalogue::Attributes result;
    const DOMNamedNodeMap* attributes = element.getAttributes();
    for (XMLSize_t i = 0; i < attributes->getLength(); ++i) {
        const DOMNode* attribute = attributes->item(i);
        result[Utf8(attribute->getNodeName())] = Utf8(attribute->getNodeValue());
    }
    return result;
}

const DOMElement& TheOnly(const DOMElement& root, const std::string& tag) {
    const DOMNodeList* found = root.getElementsByTagName(Wide(tag).c_str());
    if (found->getLength() != 1)
        throw std::runtime_error("expected one " + tag + " element, found " +
                                 std::to_string(found->getLength()));
    return *static_cast<const DOMElement*>(found->item(0));
}

std::vector<ReadCatalogue::Attributes> ElementsBelow(const DOMElement& parent, const std::string& tag) {
    std::vector<ReadCatalogue::Attributes> result;
    const DOMNodeList* found = parent.getElementsByTagName(Wide(tag).c_str());
    for (XMLSize_t i = 0; i < found->getLength(); ++i)
        result.push_back(AttributesOf(*static_cast<const DOMElement*>(found->item(i))));
    return result;
}

} // namespace

ReadCatalogue ReadCatalogueFile(const std::filesystem::path& file) {
    XercesDOMParser parser;
    HandlerBase errors;
    parser.setErrorHandler(&errors);
    try {
        parser.parse(file.string().c_str());
    } catch (const SAXParseException& e) {
        throw std::runtime_error(file.string() + " line " + std::to_string(e.getLineNumber()) + ": " +
                                 Utf8(e.getMessage()));
    }
    const DOMDocument* document = parser.getDocument();
    if (document == nullptr || document->getDocumentElement() == nullptr)
        throw std::runtime_error(file.string() + " holds no document");
    const DOMElement& root = *document->getDocumentElement();
    ReadCatalogue result;
    result.colours = ElementsBelow(TheOnly(root, "colours"), "colour");
    result.auxiliaryColours = ElementsBelow(TheOnly(root, "auxiliaryColours"), "colour");
    for (const ReadCatalogue::Attributes& setting : ElementsBelow(root, "setting"))
        result.settings.emplace_back(setting.at("name"), setting.at("value"));
    return result;
}

std::filesystem::path ResolveTexture(const std::filesystem::path& folder, const std::string& texture) {
    std::filesystem::path file = folder;
    std::string piece;
    for (const char c : texture) {
        if (c == '/' || c == '\\') {
            file /= piece;
            piece.clear();
        } else {
            piece += c;
        }
    }
    return file / piece;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::map<std::string, std::string> ReadTree(const std::filesystem::path& folder) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            tree[std::filesystem::relative(entry.path(), folder).string()] = ReadBytes(entry.path());
    }
    return tree;
}
