#include "framework/net/HTTPError.h"

namespace fw {

const char* ToText(HTTPError error) {
    switch (error) {
        case HTTPError::None:
            return "no error";
        case HTTPError::BadAddress:
            return "the address names no host, or a port beyond 65535";
        case HTTPError::UnsafeAddress:
            return "the address holds a space or a control byte";
        case HTTPError::NoFile:
            return "no file was given";
        case HTTPError::FileNotUsable:
            return "the file is a folder, or cannot be created and opened for writing";
        case HTTPError::NameNotResolved:
            return "the host name could not be resolved";
        case HTTPError::ConnectFailed:
            return "no address of the host accepted the connection";
        case HTTPError::ConnectTimedOut:
            return "the connection did not come up before the deadline";
        case HTTPError::AnswerTimedOut:
            return "the connection did not end before the deadline";
        case HTTPError::HeaderBlockUnfinished:
            return "the connection ended inside the header block";
        case HTTPError::HeaderBlockTooLarge:
            return "the header block grew past its limit without ending";
        case HTTPError::FileWriteFailed:
            return "a write to the file failed";
    }
    return "unknown error";
}

std::ostream& operator<<(std::ostream& out, HTTPError error) { return out << ToText(error); }

}  // namespace fw
