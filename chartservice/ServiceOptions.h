#pragma once

#include <string>
#include <vector>

namespace chartservice {

// Where qrchartd listens, and how long a connection has for its request.
struct ServiceOptions {
    std::string host = "127.0.0.1";
    int port = 80;
    int requestTimeoutSeconds = 5;  // from the accept, for the request line and headers

    bool operator==(const ServiceOptions&) const = default;
};

// The options, or the reason the command line was refused.
struct ServiceOptionsParse {
    ServiceOptions options;
    std::string error;  // empty when every argument was understood

    explicit operator bool() const { return error.empty(); }
};

// Reads qrchartd's arguments (without the program name): "--host HOST", "--port PORT" and
// "--request-timeout SECONDS", each at most once, the port decimal 0 to 65535 (0: a free
// port), the seconds decimal 1 to 3600. Anything else, a missing or empty value, or an option
// given twice refuses the line, with the argument named.
ServiceOptionsParse ParseServiceOptions(const std::vector<std::string>& arguments);

// The usage line for the error output.
inline constexpr const char* kServiceUsage =
    "usage: qrchartd [--host HOST] [--port PORT] [--request-timeout SECONDS]";

}  // namespace chartservice
