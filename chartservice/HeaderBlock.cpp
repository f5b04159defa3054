#include "chartservice/HeaderBlock.h"

#include <algorithm>
#include <cctype>

namespace chartservice {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool IsControl(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// A method, a target and the version, one space apart, no control bytes.
bool IsRequestLine(std::string_view line) {
    std::size_t first = line.find(' ');
    std::size_t last = line.rfind(' ');
    if (first == 0 || first == std::string_view::npos || last == first + 1 ||
        line.find(' ', first + 1) != last) {
        return false;
    }
    if (std::any_of(line.begin(), line.end(), IsControl)) return false;
    std::string_view version = line.substr(last + 1);
    return version == "HTTP/1.0" || version == "HTTP/1.1";
}

// "Name: value", the name without blanks; no folded continuation lines.
bool IsHeaderLine(std::string_view line) {
    std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) return false;
    if (line.substr(0, colon).find_first_of(kBlanks) != std::string_view::npos) {
        return false;
    }
    return std::none_of(line.begin(), line.end(), [](char c) { return c != '\t' && IsControl(c); });
}

bool NameIs(std::string_view line, std::string_view name) {
    if (line.size() <= name.size() || line[name.size()] != ':') return false;
    return std::equal(name.begin(), name.end(), line.begin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

std::string_view ValueOf(std::string_view line) {
    std::string_view value = line.substr(line.find(':') + 1);
    std::size_t start = value.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    std::size_t end = value.find_last_not_of(kBlanks);
    return value.substr(start, end + 1 - start);
}

bool AnnouncesBody(std::string_view line) {
    return NameIs(line, "transfer-encoding") ||
           (NameIs(line, "content-length") && ValueOf(line) != "0");
}

// Where the block's empty line ends (one past its LF), or npos.
std::size_t BlockEnd(std::string_view received) {
    std::size_t lineStart = 0;
    for (std::size_t lineEnd = received.find('\n'); lineEnd != std::string_view::npos;
         lineEnd = received.find('\n', lineStart)) {
        if (lineStart > 0 && WithoutCr(received.substr(lineStart, lineEnd - lineStart)).empty()) {
            return lineEnd + 1;
        }
        lineStart = lineEnd + 1;
    }
    return std::string_view::npos;
}

// Checks the form of a whole block, which ends in its empty line.
HeaderBlock ScreenForm(std::string_view block, std::size_t headerLines) {
    std::size_t lineEnd = block.find('\n');
    if (!IsRequestLine(WithoutCr(block.substr(0, lineEnd)))) return HeaderBlock::Malformed;
    bool body = false;
    std::size_t count = 0;
    for (std::size_t start = lineEnd + 1; start < block.size(); start = lineEnd + 1) {
        lineEnd = block.find('\n', start);
        std::string_view line = WithoutCr(block.substr(start, lineEnd - start));
        if (line.empty()) break;
        if (++count > headerLines) return HeaderBlock::HeadersTooLong;
        if (!IsHeaderLine(line)) return HeaderBlock::Malformed;
        body = body || AnnouncesBody(line);
    }
    return body ? HeaderBlock::HasBody : HeaderBlock::Complete;
}

}  // namespace

HeaderBlock ScreenHeaderBlock(std::string_view received, const RequestLimits& limits) {
    // A CR at the end of what came may be the start of the line's end.
    std::size_t requestLine = WithoutCr(received.substr(0, received.find('\n'))).size();
    if (requestLine > limits.requestLineBytes) return HeaderBlock::LineTooLong;
    std::size_t end = BlockEnd(received);
    if (end == std::string_view::npos) {
        return received.size() > limits.headerBlockBytes ? HeaderBlock::HeadersTooLong
                                                         : HeaderBlock::Incomplete;
    }
    if (end > limits.headerBlockBytes) return HeaderBlock::HeadersTooLong;
    return ScreenForm(received.substr(0, end), limits.headerLines);
}

int RefusalStatus(HeaderBlock block) {
    switch (block) {
        case HeaderBlock::Malformed:
            return 400;
        case HeaderBlock::HasBody:
            return 413;
        case HeaderBlock::LineTooLong:
            return 414;
        case HeaderBlock::HeadersTooLong:
            return 431;
        case HeaderBlock::Incomplete:
        case HeaderBlock::Complete:
            break;
    }
    return 0;
}

}  // namespace chartservice
