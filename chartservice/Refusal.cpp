#include "chartservice/Refusal.h"

#include <array>

namespace chartservice {
namespace {

struct Refusal {
    int status;
    const char* phrase;  // the status line's
    const char* reason;  // the body's line
};

constexpr std::array<Refusal, 7> kRefusals{{
    {400, "Bad Request", "bad request"},
    {404, "Not Found", "not found"},
    {408, "Request Timeout", "the request did not arrive in time"},
    {413, "Payload Too Large", "requests with a body are refused"},
    {414, "URI Too Long", "the request line is too long"},
    {431, "Request Header Fields Too Large", "the request's header block is too large"},
    {500, "Internal Server Error", "internal error"},
}};

const Refusal& RefusalFor(int status) {
    for (const Refusal& refusal : kRefusals) {
        if (refusal.status == status) return refusal;
    }
    return kRefusals[0];
}

}  // namespace

std::string RefusalReason(int status) { return std::string(RefusalFor(status).reason) + "\n"; }

std::string RefusalAnswer(int status) {
    const Refusal& refusal = RefusalFor(status);
    std::string body = RefusalReason(refusal.status);
    return "HTTP/1.1 " + std::to_string(refusal.status) + " " + refusal.phrase +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace chartservice
