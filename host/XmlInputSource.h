#pragma once

#include <xercesc/sax/InputSource.hpp>

namespace host {

class InputChannel;

// The XML layer's input source: hands Xerces-C the bytes of a foundation-library input channel
// exactly as the channel yields them. The channel is not owned and must outlive the parse.
class XmlInputSource : public xercesc::InputSource {
public:
    explicit XmlInputSource(InputChannel& channel) : channel(channel) {}

    // A stream that reads on from the channel's current position.
    xercesc::BinInputStream* makeStream() const override;

private:
    InputChannel& channel;
};

} // namespace host
