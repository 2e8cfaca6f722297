#include "loading/CatalogueDomParser.h"

#include "host/MemoryInputChannel.h"
#include "host/XmlInputSource.h"
#include "loading/CatalogueValues.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/Wrapper4InputSource.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

using namespace xercesc;

// Keeps the first error or fatal error of a parse and stops the parse there.
class CatalogueDomParser::ErrorRecorder : public DOMErrorHandler {
public:
    bool handleError(const DOMError& error) override {
        if (error.getSeverity() == DOMError::DOM_SEVERITY_WARNING) {
            return true;
        }
        if (!failed) {
            failed = true;
            message.clear();
            if (const DOMLocator* where = error.getLocation()) {
                message = "line " + std::to_string(where->getLineNumber()) + ", column " +
                          std::to_string(where->getColumnNumber()) + ": ";
            }
            message += error.getMessage() ? ToUtf8(error.getMessage()) : "XML error";
        }
        return false;
    }

    bool failed = false;
    std::string message;
};

CatalogueDomParser::CatalogueDomParser()
    : errors(std::make_unique<ErrorRecorder>()), security(std::make_unique<SecurityManager>()) {
    DOMImplementation* implementation = DOMImplementation::getImplementation();
    if (implementation == nullptr) {
        return;
    }
    try {
        parser = implementation->createLSParser(DOMImplementationLS::MODE_SYNCHRONOUS, nullptr);
    } catch (const XMLException&) {
        return;
    } catch (const DOMException&) {
        return;
    }
    security->setEntityExpansionLimit(EntityExpansionLimit);
    DOMConfiguration* config = parser->getDomConfig();
    // Names are matched as written, prefix and all. Resolving prefixes would search the open
    // elements for each element read, which takes time growing with the square of the depth.
    config->setParameter(XMLUni::fgDOMNamespaces, false);
    config->setParameter(XMLUni::fgDOMValidate, false);
    config->setParameter(XMLUni::fgDOMValidateIfSchema, false);
    config->setParameter(XMLUni::fgXercesSchema, false);
    config->setParameter(XMLUni::fgXercesLoadSchema, false);
    config->setParameter(XMLUni::fgXercesLoadExternalDTD, false);
    config->setParameter(XMLUni::fgXercesDisableDefaultEntityResolution, true);
    config->setParameter(XMLUni::fgXercesSecurityManager, security.get());
    config->setParameter(XMLUni::fgDOMErrorHandler, static_cast<DOMErrorHandler*>(errors.get()));
}

CatalogueDomParser::~CatalogueDomParser() {
    if (parser != nullptr) {
        parser->release();
    }
}

DOMDocument* CatalogueDomParser::Parse(const void* bytes, std::size_t length, std::string& problem,
                                       DOMLSParserFilter* filter) {
    problem.clear();
    if (parser == nullptr) {
        problem = "no XML parser";
        return nullptr;
    }
    parser->resetDocumentPool();
    errors->failed = false;
    host::MemoryInputChannel channel(bytes, length);
    Wrapper4InputSource input(new host::XmlInputSource(channel));
    DOMDocument* document = nullptr;
    parser->setFilter(filter);
    try {
        document = parser->parse(&input);
    } catch (const XMLException& exception) {
        problem = ToUtf8(exception.getMessage());
    } catch (const DOMException& exception) {
        problem = exception.getMessage() ? ToUtf8(exception.getMessage()) : "DOM error";
    } catch (const OutOfMemoryException&) {
        throw std::bad_alloc();
    }
    if (errors->failed) {
        problem = errors->message;
        return nullptr;
    }
    if (document == nullptr && problem.empty()) {
        problem = "no document";
    }
    return document;
}
