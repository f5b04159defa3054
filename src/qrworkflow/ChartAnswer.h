#pragma once

#include <cstdint>
#include <optional>

#include "framework/text/TextFunctions.h"

// True for an answer with status 200 and a body that is not empty and, when the answer gives
// a Content-Length, holds exactly that many bytes. An error page or a cut-off image is not.
bool IsWholeImageAnswer(int status, std::int64_t bodyBytes,
                        const std::optional<fw::String>& contentLength);
