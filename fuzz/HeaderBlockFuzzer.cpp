// The gate's header-block screen on any bytes, with small limits: a verdict once given stands
// however many bytes follow, since the gate acts on the first one; what it waits for is within
// the limits; a complete block has ended.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chartservice/HeaderBlock.h"
#include "fuzz/Require.h"

namespace {

using chartservice::HeaderBlock;
using vemo_fuzz::Require;

constexpr chartservice::RequestLimits kLimits{64, 256, 8, std::chrono::milliseconds(1000)};

bool HasEnded(std::string_view bytes) {
    return bytes.find("\n\n") != std::string_view::npos ||
           bytes.find("\n\r\n") != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view whole(reinterpret_cast<const char*>(data), size);
    std::string_view first = whole.substr(0, size / 2);
    HeaderBlock early = chartservice::ScreenHeaderBlock(first, kLimits);
    HeaderBlock late = chartservice::ScreenHeaderBlock(whole, kLimits);
    Require(early == HeaderBlock::Incomplete || early == late, "a verdict stands whatever follows");
    Require(late != HeaderBlock::Incomplete || whole.size() <= kLimits.headerBlockBytes,
            "nothing past the block limit is waited for");
    Require(late != HeaderBlock::Complete || HasEnded(whole), "a complete block has ended");
    Require((chartservice::RefusalStatus(late) == 0) ==
                (late == HeaderBlock::Incomplete || late == HeaderBlock::Complete),
            "every other verdict is refused");
    return 0;
}
