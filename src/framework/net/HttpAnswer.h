#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/text/TextFunctions.h"

namespace fw {

// Where the header block of the bytes received so far ends: `blockLength` bytes of header
// lines, then the two line ends, then the body from `bodyStart`.
struct HeaderBlockEnd {
    std::size_t blockLength = 0;
    std::size_t bodyStart = 0;

    bool operator==(const HeaderBlockEnd&) const = default;
};

// The end of the header block: the first two line ends in a row, with the line end taken from
// the data: CR LF CR LF when they hold a CR LF, else LF LF when they hold an LF, else CR CR.
// When that pair is not there, LF LF, CR LF CR LF and CR CR are looked for, in this order.
// nullopt while none of them has arrived.
std::optional<HeaderBlockEnd> FindHeaderBlockEnd(std::string_view received);

using HeaderList = std::vector<std::pair<String, String>>;

struct AnswerHead {
    int status = 0;  // 0 when the first line has no number in its second field
    HeaderList headers{};
};

// Parses a header block (without its two closing line ends): the status is the number that
// starts the first line's second space-separated field; the header lines that follow are
// "Name: value" (blanks around the value dropped), split at LF, CR LF or CR. Lines without a
// colon are skipped.
AnswerHead ParseHeaderBlock(std::string_view block);

// The value of the first header of that name, the name's letter case ignored; nullopt when
// there is none.
std::optional<String> FindHeader(const HeaderList& headers, std::string_view name);

}  // namespace fw
