#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>

#include "framework/files/FolderItem.h"
#include "framework/net/HTTPError.h"
#include "framework/net/HttpAnswer.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// A blocking HTTP/1.0 client that downloads one answer's body into a file; one object per
// download.
class HTTPSocket : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override;

    // Sets the request headers "Accept: */*" and "Accept-Language: en", DefaultPort 80 and
    // Yield false.
    void Constructor();

    // Sends "GET <path and query> HTTP/1.0" with the request headers and Host to the
    // address's host, and writes every byte after the answer's header block into `file` as it
    // arrives, whatever the status. Blocks until the download is decided, yielding to the
    // framework (RuntimeBackgroundTask) once per pass of its wait, and waiting in poll()
    // between passes. Before the wait, the host name is resolved (getaddrinfo): that blocks
    // too, without yielding, and its time is outside the deadline; a name that the resolver
    // answers slowly (not a loopback name) holds the caller that long.
    //
    // True when the connection came up and then ended with every received byte handled: an
    // error page, an empty answer or a body cut off midway count as well (the caller judges
    // them by HTTPStatusCode, ResponseHeaders and BodyBytesReceived).
    //
    // False, with ErrorCode saying why:
    // - at once, with nothing sent and the file untouched: an address without a host, with a
    //   port beyond 65535, or with a space or a control byte in it; no file given; the file is
    //   a folder or cannot be created empty and opened for writing;
    // - as soon as it is known: the host name gives no address, every address refuses;
    // - when the deadline passes first (the connection is then closed): the deadline is
    //   `timeoutSeconds` from the start of the wait, set again when the connection comes up;
    //   arriving data never extends it. A timeout of 0 or less waits without limit;
    // - at once: the connection ended inside the header block; the header block, its closing
    //   line ends included, is longer than 64 KiB (65536 bytes), however its bytes arrive; a
    //   write to the file failed.
    // After a failure the file keeps what was written to it; it is closed before Get returns.
    bool Get(const String& address, const Ref<FolderItem>& file, std::int32_t timeoutSeconds);

    const std::map<String, String>& RequestHeaders() const { return requestHeaders_; }
    std::uint16_t DefaultPort() const { return defaultPort_; }
    bool Yield() const { return yield_; }
    std::int32_t TimeoutSeconds() const { return timeoutSeconds_; }

    // What the last Get learnt of the answer: 0 and no headers until a header block ended.
    int HTTPStatusCode() const { return status_; }
    const HeaderList& ResponseHeaders() const { return responseHeaders_; }
    std::optional<String> ResponseHeader(std::string_view name) const;
    std::int64_t BodyBytesReceived() const { return bodyBytes_; }
    HTTPError ErrorCode() const { return error_; }

  private:
    class Transfer;
    void ClearAnswer();
    bool Fail(HTTPError error);

    std::map<String, String> requestHeaders_;
    std::uint16_t defaultPort_ = 80;
    bool yield_ = false;
    std::int32_t timeoutSeconds_ = 0;
    int status_ = 0;
    HeaderList responseHeaders_;
    std::int64_t bodyBytes_ = 0;
    HTTPError error_ = HTTPError::None;
};

}  // namespace fw
