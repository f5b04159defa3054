#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chartservice_test {

// An answer as read off the wire.
struct HttpReply {
    int status = 0;       // 0 when no status line came
    std::string headers;  // the header lines, CR LF kept
    std::string body;

    // The value of the first header of that name (ASCII case ignored), or nothing.
    std::optional<std::string> Header(std::string_view name) const;
};

// Whether the client ends its sending side once the request is out, so the server sees the
// request end, or keeps it open as the palette does.
enum class RequestEnd { HalfClose, KeepOpen };

// A socket connected to 127.0.0.1:port, or -1.
int ConnectLoopback(int port);

// Connects to 127.0.0.1:port, sends the bytes, and reads until the server closes the
// connection or 10 s pass; gives everything that came. A send that the server cuts short is
// not an error: what it answered is still read.
std::string Exchange(int port, std::string_view request, RequestEnd end);

// Connects, sends the bytes and closes at once, reading nothing.
void SendAndLeave(int port, std::string_view bytes);

// Splits what Exchange gave into status, headers and body.
HttpReply ParseReply(const std::string& bytes);

// GET of the target as the palette sends it: HTTP/1.0 with its three headers.
HttpReply Get(int port, std::string_view target);

// A query value percent-encoded as the palette encodes it: A-Z a-z 0-9 - . _ ~ unchanged.
std::string PercentEncode(std::string_view bytes);

}  // namespace chartservice_test
