// The answer header parser on any bytes: where the header block ends, and what its lines give.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/net/HttpAnswer.h"
#include "fuzz/Require.h"

namespace {

using vemo_fuzz::Require;

constexpr std::array<std::string_view, 3> kLineEndPairs = {"\n\n", "\r\n\r\n", "\r\r"};

// The pair that the data's own line end makes, which wins wherever it occurs.
std::string_view PreferredPair(std::string_view received) {
    if (received.find("\r\n") != std::string_view::npos) return "\r\n\r\n";
    if (received.find('\n') != std::string_view::npos) return "\n\n";
    return "\r\r";
}

void CheckBlockEnd(std::string_view received, const std::optional<fw::HeaderBlockEnd>& end) {
    bool anyPair = std::any_of(kLineEndPairs.begin(), kLineEndPairs.end(), [&](auto pair) {
        return received.find(pair) != std::string_view::npos;
    });
    Require(end.has_value() == anyPair, "a header block ends exactly when a pair has arrived");
    if (!end) return;
    Require(end->blockLength < end->bodyStart && end->bodyStart <= received.size(),
            "the body starts after the block, inside the data");
    std::string_view pair = received.substr(end->blockLength, end->bodyStart - end->blockLength);
    Require(std::find(kLineEndPairs.begin(), kLineEndPairs.end(), pair) != kLineEndPairs.end(),
            "the block is closed by one of the three line-end pairs");
    std::size_t preferred = received.find(PreferredPair(received));
    if (preferred != std::string_view::npos) {
        Require(end->blockLength == preferred, "the data's own pair is taken at its first place");
    }
}

bool HoldsLineEnd(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

bool HasOuterBlank(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !text.empty() && (blank(text.front()) || blank(text.back()));
}

void CheckHead(std::string_view block, const fw::AnswerHead& head) {
    Require(head.status >= 0 && head.status <= 999'999'999, "the status is nine digits at most");
    std::size_t colons = static_cast<std::size_t>(std::count(block.begin(), block.end(), ':'));
    Require(head.headers.size() <= colons, "every header line holds a colon");
    for (const auto& [name, value] : head.headers) {
        Require(!HoldsLineEnd(name) && !HoldsLineEnd(value), "a header stays on its line");
        Require(!HasOuterBlank(name) && !HasOuterBlank(value), "blanks around a header dropped");
        Require(name.find(':') == name.npos, "a header name ends at the first colon");
        Require(fw::FindHeader(head.headers, name).has_value(), "every header is found by name");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view received(reinterpret_cast<const char*>(data), size);
    std::optional<fw::HeaderBlockEnd> end = fw::FindHeaderBlockEnd(received);
    CheckBlockEnd(received, end);
    std::string_view block = end ? received.substr(0, end->blockLength) : received;
    CheckHead(block, fw::ParseHeaderBlock(block));
    return 0;
}
