#include "host/XmlInputSource.h"

#include "host/InputChannel.h"

#include <xercesc/util/BinInputStream.hpp>
#include <xercesc/util/RuntimeException.hpp>
#include <xercesc/util/XMLExceptMsgs.hpp>

namespace host {

namespace {

class ChannelStream : public xercesc::BinInputStream {
public:
    explicit ChannelStream(InputChannel& channel) : channel(channel) {}

    XMLFilePos curPos() const override { return channel.GetPosition(); }

    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override {
        std::size_t read = 0;
        if (channel.Read(toFill, maxToRead, read) != NoError) {
            ThrowXML1(xercesc::RuntimeException, xercesc::XMLExcepts::File_CouldNotReadFromFile,
                      u"input channel");
        }
        return read;
    }

    const XMLCh* getContentType() const override { return nullptr; }

private:
    InputChannel& channel;
};

} // namespace

xercesc::BinInputStream* XmlInputSource::makeStream() const {
    return new ChannelStream(channel);
}

} // namespace host
