#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "framework/text/TextFunctions.h"

// The eight bytes that every PNG file begins with.
inline constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

// True for an answer with status 200 and a body that is not empty, begins with the PNG
// signature (`bodyStart`: the body's first bytes, at least as many as the signature has when
// the body has them) and, when the answer gives a Content-Length, holds exactly that many
// bytes. An error page, a chunked body, any other body or a cut-off image is not.
bool IsWholeImageAnswer(int status, std::int64_t bodyBytes,
                        const std::optional<fw::String>& contentLength, std::string_view bodyStart);
