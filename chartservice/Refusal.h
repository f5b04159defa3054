#pragma once

#include <string>

namespace chartservice {

// The one-line reason (ended by LF) that the body of a refusal with this status carries:
// 400, 404, 408, 413, 414, 431 or 500; any other status gets 400's.
std::string RefusalReason(int status);

// The whole HTTP/1.1 answer of a refusal: status line, text/plain, its length, Connection:
// close, and the reason.
std::string RefusalAnswer(int status);

}  // namespace chartservice
