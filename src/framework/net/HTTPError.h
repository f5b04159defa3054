#pragma once

#include <ostream>

namespace fw {

// Why an HTTPSocket download failed; None after a download that completed.
enum class HTTPError {
    None,
    BadAddress,
    UnsafeAddress,
    NoFile,
    FileNotUsable,
    NameNotResolved,
    ConnectFailed,
    ConnectTimedOut,
    AnswerTimedOut,
    HeaderBlockUnfinished,
    HeaderBlockTooLarge,
    FileWriteFailed,
};

// A sentence that says what went wrong, for messages and failing tests.
const char* ToText(HTTPError error);

std::ostream& operator<<(std::ostream& out, HTTPError error);

}  // namespace fw
