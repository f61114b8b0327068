#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>
#include <utility>

// Reads the HTTP/1.x responses that arrive on one connection, in order, from bytes given in pieces
// of any size. Knows nothing of sockets, so that any byte sequence can be thrown at it.
class HttpResponseParser final {
public:
    // Longer status lines and headers are not a response of a sane server.
    static constexpr qsizetype kMaxHeadSize = 64 * 1024;
    // Longer chunk-size or trailer lines neither.
    static constexpr qsizetype kMaxLineSize = 8 * 1024;

    // Name and value, in the order they came.
    using Headers = QList<std::pair<QByteArray, QByteArray>>;
    // The values of every header of that name (without case), joined by ", " as HTTP combines
    // repeated headers; nothing when none came.
    static std::optional<QByteArray> headerValue(const Headers& headers, QByteArrayView name);

    struct Response {
        int status = 0;
        bool keepAlive = false; // the connection may carry another request after this one
        QByteArray body;
        QByteArray location;
        Headers headers;
    };
    enum class Result {
        NeedMore,  // nothing complete yet
        Complete,  // takeResponse() holds the next response
        Malformed, // not an HTTP/1.x response: the connection cannot be followed further
        TooLarge,  // the body is larger than allowed
        Cut,       // (at the close) the response had begun but was not complete
    };

    // Where the bytes of the next read go: room for `size` more at the end of the buffer, which
    // `appended` then confirms.
    char* reserve(qsizetype size);
    void appended(qsizetype size);
    void append(QByteArrayView bytes);

    // Reads on in the buffered bytes, allowing a body of at most `maxBodySize` bytes.
    Result next(qsizetype maxBodySize);
    // The connection has ended: a body that runs to the close is now complete.
    Result close(qsizetype maxBodySize);
    Response takeResponse();

    // Some of the current response has arrived.
    bool hasStarted() const { return m_started; }
    // Bytes are buffered beyond the responses read so far.
    bool hasUnreadBytes() const { return m_pos < m_in.size(); }

private:
    enum class Phase { Head, Fixed, Chunked, UntilClose, Done };
    enum class ChunkPhase { Size, Data, DataEnd, Trailer };

    bool readHead(QByteArrayView head);
    std::optional<QByteArrayView> nextLine(QByteArrayView terminator, qsizetype limit, bool& tooLong);
    // Each false when the body has grown past the limit.
    bool takeBody(qsizetype size, qsizetype maxBodySize);
    bool takeOwedBody(qsizetype available, qsizetype maxBodySize); // of the m_remaining bytes owed
    void compact();

    QByteArray m_in;
    qsizetype m_pos = 0; // the first byte not yet read
    qsizetype m_reservedAt = 0;
    qsizetype m_scanFrom = 0; // where the search for the end of the head or a line goes on
    Phase m_phase = Phase::Head;
    ChunkPhase m_chunkPhase = ChunkPhase::Size;
    bool m_started = false;
    qint64 m_remaining = 0;
    Response m_response;
};
