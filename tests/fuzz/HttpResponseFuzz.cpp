// Throws a hostile server's bytes at the response parser: whatever they are, it must neither crash
// nor keep a body past the limit, and how the bytes were split into reads must not change what it
// makes of them. The first input byte chooses the size of the pieces.
#include "HttpResponseParser.h"

#include <QList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype kMaxBody = 4096;

QList<QByteArray> parse(QByteArrayView input, qsizetype piece) {
    HttpResponseParser parser;
    QList<QByteArray> events;
    const auto take = [&] {
        const HttpResponseParser::Response r = parser.takeResponse();
        if (r.body.size() > kMaxBody) {
            std::fprintf(stderr, "HttpResponseFuzz: a body of %lld bytes\n",
                         static_cast<long long>(r.body.size()));
            std::abort();
        }
        events.append(QByteArray::number(r.status) + (r.keepAlive ? " keep " : " close ") + r.location + ' ' +
                      r.body);
    };
    for (qsizetype at = 0; at < input.size(); at += piece) {
        parser.append(input.sliced(at, std::min(piece, input.size() - at)));
        for (HttpResponseParser::Result r;
             (r = parser.next(kMaxBody)) != HttpResponseParser::Result::NeedMore;) {
            if (r != HttpResponseParser::Result::Complete) {
                events.append("failed " + QByteArray::number(int(r)));
                return events; // the connection would end here
            }
            take();
        }
    }
    const HttpResponseParser::Result r = parser.close(kMaxBody);
    if (r == HttpResponseParser::Result::Complete)
        take();
    else
        events.append("closed " + QByteArray::number(int(r)));
    return events;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const QList<QByteArray> whole = parse(input, std::max<qsizetype>(input.size(), 1));
    const QList<QByteArray> pieces = parse(input, 1 + data[0] % 32);
    if (whole != pieces) {
        std::fprintf(stderr, "HttpResponseFuzz: read differently in pieces of %d\n", 1 + data[0] % 32);
        std::abort();
    }
    return 0;
}
