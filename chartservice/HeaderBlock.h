#pragma once

#include <string_view>

#include "chartservice/RequestLimits.h"

namespace chartservice {

// What the bytes received so far on a connection make of its request.
enum class HeaderBlock {
    Incomplete,      // within the limits, the empty line after the headers still to come
    Complete,        // a well-formed request line and headers, no body announced
    Malformed,       // complete, but not a request line of HTTP/1.0 or 1.1 or not header lines
    HasBody,         // complete, announcing a body (Content-Length not 0, Transfer-Encoding)
    LineTooLong,     // the request line passes requestLineBytes
    HeadersTooLong,  // the header block passes headerBlockBytes or headerLines
};

// Screens the bytes a connection has sent, from its first byte; what follows the header block
// is not looked at. Lines end in CR LF or LF alone. The limits are checked before the form, so
// a block too long says so however malformed it is.
HeaderBlock ScreenHeaderBlock(std::string_view received, const RequestLimits& limits);

// The status of the refusal for a screened block: 400, 413, 414 or 431; 0 for Incomplete and
// Complete.
int RefusalStatus(HeaderBlock block);

}  // namespace chartservice
