#include "framework/net/HttpAnswer.h"

#include <algorithm>

namespace fw {
namespace {

std::optional<HeaderBlockEnd> FindPair(std::string_view received, std::string_view pair) {
    std::size_t at = received.find(pair);
    if (at == std::string_view::npos) return std::nullopt;
    return HeaderBlockEnd{at, at + pair.size()};
}

std::string_view PairOfTheDataLineEnd(std::string_view received) {
    if (received.find("\r\n") != std::string_view::npos) return "\r\n\r\n";
    if (received.find('\n') != std::string_view::npos) return "\n\n";
    return "\r\r";
}

std::vector<std::string_view> Lines(std::string_view block) {
    std::vector<std::string_view> lines;
    while (!block.empty()) {
        std::size_t end = std::min(block.find_first_of("\r\n"), block.size());
        lines.push_back(block.substr(0, end));
        if (end < block.size() && block[end] == '\r' && end + 1 < block.size() &&
            block[end + 1] == '\n') {
            ++end;
        }
        block.remove_prefix(std::min(end + 1, block.size()));
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

int StatusOfStatusLine(std::string_view line) {
    std::size_t field = line.find_first_not_of(' ', std::min(line.find(' '), line.size()));
    if (field == std::string_view::npos) return 0;
    int status = 0;
    // Nine digits at the most, so the value always fits.
    for (std::size_t i = field; i < line.size() && i < field + 9; ++i) {
        if (line[i] < '0' || line[i] > '9') break;
        status = status * 10 + (line[i] - '0');
    }
    return status;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

std::optional<HeaderBlockEnd> FindHeaderBlockEnd(std::string_view received) {
    if (auto end = FindPair(received, PairOfTheDataLineEnd(received))) return end;
    for (std::string_view pair : {"\n\n", "\r\n\r\n", "\r\r"}) {
        if (auto end = FindPair(received, pair)) return end;
    }
    return std::nullopt;
}

AnswerHead ParseHeaderBlock(std::string_view block) {
    AnswerHead head;
    std::vector<std::string_view> lines = Lines(block);
    if (lines.empty()) return head;
    head.status = StatusOfStatusLine(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::size_t colon = lines[i].find(':');
        if (colon == std::string_view::npos) continue;
        head.headers.emplace_back(String(Trimmed(lines[i].substr(0, colon))),
                                  String(Trimmed(lines[i].substr(colon + 1))));
    }
    return head;
}

std::optional<String> FindHeader(const HeaderList& headers, std::string_view name) {
    for (const auto& [key, value] : headers) {
        if (SameLetters(key, name)) return value;
    }
    return std::nullopt;
}

}  // namespace fw
