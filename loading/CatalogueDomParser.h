#pragma once

#include <xercesc/util/XercesDefs.hpp>

#include <cstddef>
#include <memory>
#include <string>

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
class DOMLSParser;
class DOMLSParserFilter;
class SecurityManager;
XERCES_CPP_NAMESPACE_END

// The Xerces-C DOM parser that reads catalogue files from memory, through the host's input
// channel and XML input source. Documents are taken as they stand: no validation, no schema; no
// external DTD or entity is fetched; entity expansion is limited; and any error of the XML library
// fails the parse, even where Xerces-C would hand back part of a document. Xerces-C must be
// initialised while the parser exists.
class CatalogueDomParser {
public:
    // Most expansions of entities a document may make.
    static constexpr std::size_t EntityExpansionLimit = 10000;

    CatalogueDomParser();
    ~CatalogueDomParser();
    CatalogueDomParser(const CatalogueDomParser&) = delete;
    CatalogueDomParser& operator=(const CatalogueDomParser&) = delete;

    // False when there is no DOM implementation or no parser could be made.
    bool IsReady() const { return parser != nullptr; }

    // Parses the `length` bytes at `bytes`, offering each element to `filter` when one is given.
    // Null on failure, with `problem` telling why. The document belongs to the parser and lives
    // until the next parse or the parser's end. Running out of memory throws.
    xercesc::DOMDocument* Parse(const void* bytes, std::size_t length, std::string& problem,
                                xercesc::DOMLSParserFilter* filter = nullptr);

private:
    class ErrorRecorder;

    std::unique_ptr<ErrorRecorder> errors;
    std::unique_ptr<xercesc::SecurityManager> security;
    xercesc::DOMLSParser* parser = nullptr;
};
