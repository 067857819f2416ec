// The frames a second start and the running instance exchange (InstanceProtocol::decode):
// whatever arrives on the socket, in whatever pieces.
#include "FuzzCheck.h"

#include "app/startup/TInstanceChannel.h"

#include <QList>

namespace {

using namespace InstanceProtocol;

constexpr qsizetype HeaderSize = 9;

bool sameMessage(const Message &a, const Message &b)
{
    return a.kind == b.kind && a.value == b.value && a.argument == b.argument && a.folder == b.folder;
}

struct Reading
{
    QList<Message> messages;
    Decoded last = Decoded::NeedMore;
};

// All bytes at once, as one read may bring them.
Reading readWhole(const QByteArray &bytes)
{
    Reading reading;
    QByteArray buffer = bytes;
    for (;;) {
        const QByteArray before = buffer;
        Message message;
        reading.last = decode(buffer, message);
        if (reading.last == Decoded::NeedMore)
            FUZZ_CHECK(buffer == before); // nothing is taken until a frame is whole
        if (reading.last != Decoded::Complete)
            break;
        // A frame came off the front; written again it is the same bytes.
        const qsizetype used = before.size() - buffer.size();
        FUZZ_CHECK(used >= HeaderSize && used <= HeaderSize + MaxPayload);
        FUZZ_CHECK(buffer == before.mid(used));
        FUZZ_CHECK(encode(message) == before.left(used));
        reading.messages << message;
    }
    return reading;
}

// The same bytes one at a time, as a slow sender delivers them.
Reading readByteByByte(const QByteArray &bytes)
{
    Reading reading;
    QByteArray buffer;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        buffer += bytes[i];
        for (;;) {
            Message message;
            reading.last = decode(buffer, message);
            if (reading.last != Decoded::Complete)
                break;
            reading.messages << message;
        }
        if (reading.last == Decoded::Malformed)
            break; // the connection is dropped
    }
    return reading;
}

// A message built from the bytes is read back as it was sent.
void roundTrip(FuzzInput &in)
{
    static const Kind kinds[] = {Kind::Probe, Kind::Reply, Kind::Restore, Kind::Open, Kind::Ack};
    Message sent(kinds[in.byte() % 5], in.word());
    if (sent.kind != Kind::Reply)
        sent.value = 0;
    if (sent.kind == Kind::Open) {
        sent.argument = QString::fromUtf8(in.bytes(in.byte())).remove(QChar(0));
        sent.folder = QString::fromUtf8(in.bytes(in.byte())).remove(QChar(0));
        if (sent.argument.isEmpty())
            return; // a second start never sends an empty argument
    }
    QByteArray frame = encode(sent);
    Message received;
    FUZZ_CHECK(decode(frame, received) == Decoded::Complete);
    FUZZ_CHECK(frame.isEmpty());
    FUZZ_CHECK(sameMessage(received, sent));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Reading whole = readWhole(bytes);
    const Reading pieces = readByteByByte(bytes);
    FUZZ_CHECK(whole.messages.size() == pieces.messages.size());
    for (qsizetype i = 0; i < whole.messages.size(); ++i)
        FUZZ_CHECK(sameMessage(whole.messages[i], pieces.messages[i]));
    FUZZ_CHECK(size == 0 || whole.last == pieces.last);

    FuzzInput in(data, size);
    roundTrip(in);
    return 0;
}
