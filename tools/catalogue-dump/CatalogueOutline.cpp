#include "CatalogueOutline.h"

#include "loading/CatalogueDomParser.h"

#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/Attributes.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <memory>

using namespace xercesc;

namespace {

// Ends the pass at the first error.
struct Stop {};

} // namespace

// Records each element where its start tag begins. The reader tells where an event ends; inside
// the document element every character up to a start tag belongs to some event, so a start tag
// begins where the event before it ended. Before the document element white space is not
// reported, so the document element takes the line its start tag ends on.
class CatalogueOutline::Recorder : public DefaultHandler {
public:
    explicit Recorder(CatalogueOutline& outline) : outline(outline) {}

    void setDocumentLocator(const Locator* const where) override { locator = where; }

    void startElement(const XMLCh*, const XMLCh*, const XMLCh* qname, const Attributes& attributes) override {
        Element element;
        element.name = qname;
        element.parent = open.empty() ? None : open.back();
        element.line = open.empty() ? Line() : lastLine;
        if (!open.empty()) {
            const Element& parent = outline.elements[open.back()];
            element.insideColours = parent.insideColours || parent.name == u"colours";
            element.insideAuxiliaryColours =
                parent.insideAuxiliaryColours || parent.name == u"auxiliaryColours";
        }
        for (XMLSize_t i = 0; i < attributes.getLength(); ++i) {
            element.attributes.emplace_back(attributes.getQName(i), attributes.getValue(i));
        }
        open.push_back(outline.elements.size());
        outline.elements.push_back(std::move(element));
        Passed();
    }
    void endElement(const XMLCh*, const XMLCh*, const XMLCh*) override {
        if (!open.empty()) {
            outline.elements[open.back()].end = outline.elements.size();
            open.pop_back();
        }
        Passed();
    }
    void characters(const XMLCh*, const XMLSize_t) override { Passed(); }
    void ignorableWhitespace(const XMLCh*, const XMLSize_t) override { Passed(); }
    void processingInstruction(const XMLCh*, const XMLCh*) override { Passed(); }
    void comment(const XMLCh*, const XMLSize_t) override { Passed(); }
    void startCDATA() override { Passed(); }
    void endCDATA() override { Passed(); }
    void startEntity(const XMLCh*) override { Passed(); }
    void endEntity(const XMLCh*) override { Passed(); }

    void error(const SAXParseException& exception) override { Fail(exception); }
    void fatalError(const SAXParseException& exception) override { Fail(exception); }

    // Elements still open when the pass stopped end with the last element read.
    void CloseAll() {
        for (const std::size_t index : open) {
            outline.elements[index].end = outline.elements.size();
        }
        open.clear();
    }

private:
    std::size_t Line() const { return locator != nullptr ? std::size_t(locator->getLineNumber()) : 0; }
    void Passed() { lastLine = Line(); }
    [[noreturn]] void Fail(const SAXParseException& exception) {
        outline.errorLine = std::size_t(exception.getLineNumber());
        throw Stop();
    }

    CatalogueOutline& outline;
    const Locator* locator = nullptr;
    std::size_t lastLine = 0;
    std::vector<std::size_t> open;
};

const std::u16string* CatalogueOutline::Element::Find(std::u16string_view attribute) const {
    for (const auto& [name, value] : attributes) {
        if (name == attribute) {
            return &value;
        }
    }
    return nullptr;
}

CatalogueOutline::CatalogueOutline(const void* bytes, std::size_t length) {
    Recorder recorder(*this);
    SecurityManager security;
    security.setEntityExpansionLimit(CatalogueDomParser::EntityExpansionLimit);
    try {
        const std::unique_ptr<SAX2XMLReader> reader(XMLReaderFactory::createXMLReader());
        reader->setFeature(XMLUni::fgSAX2CoreNameSpaces, false);
        reader->setFeature(XMLUni::fgSAX2CoreValidation, false);
        reader->setFeature(XMLUni::fgXercesSchema, false);
        reader->setFeature(XMLUni::fgXercesLoadSchema, false);
        reader->setFeature(XMLUni::fgXercesLoadExternalDTD, false);
        reader->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
        reader->setProperty(XMLUni::fgXercesSecurityManager, &security);
        reader->setContentHandler(&recorder);
        reader->setLexicalHandler(&recorder);
        reader->setErrorHandler(&recorder);
        const MemBufInputSource input(static_cast<const XMLByte*>(bytes), length, "colours.xml");
        reader->parse(input);
    } catch (const Stop&) {
    } catch (const XMLException&) {
    } catch (const SAXException&) {
    } catch (const OutOfMemoryException&) {
    }
    recorder.CloseAll();
}

std::vector<std::size_t> CatalogueOutline::FindInside(std::size_t ancestor, std::u16string_view name) const {
    std::vector<std::size_t> found;
    for (std::size_t i = ancestor + 1; i < elements[ancestor].end; ++i) {
        if (elements[i].name == name) {
            found.push_back(i);
        }
    }
    return found;
}
