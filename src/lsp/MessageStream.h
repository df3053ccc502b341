#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <optional>

// The framing of the language server protocol: a header of "Name: value"
// lines, "Content-Length" among them, a blank line, then that many bytes of
// JSON. Bytes come in as the pipe gives them; messages come out whole.
class MessageReader {
public:
    // A body larger than this is refused, so a bad length cannot exhaust memory.
    static constexpr qsizetype kMaxBody = qsizetype(64) << 20;

    struct Message {
        enum Kind { Body, BadHeader } kind = Body;
        QByteArray body;  // Body: the JSON text
        QByteArray reason;  // BadHeader: what was wrong
    };

    void Append(const QByteArray &bytes) { m_buffer.append(bytes); }
    // The next whole message, or nothing until more bytes come. After a bad
    // header the reader skips to the next "Content-Length".
    std::optional<Message> Next();

private:
    QByteArray m_buffer;
};

// One message framed for the wire.
QByteArray FrameMessage(const QJsonObject &message);
