#pragma once

#include <cstdint>
#include <optional>

#include "framework/files/FolderItem.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

// Downloads the QR code of `text` from the chart service into "temp_<itemNumber>.png" in the
// folder "temp" (GetFolderItem "temp", path type 0, created when missing), with a fresh
// HTTPSocket and a 3-second timeout, and gives back that file.
// No object when the download failed or its answer is no whole image (see IsWholeImageAnswer);
// the file then keeps what arrived. Raises fw::NilObjectException when the folder "temp"
// cannot be referred to at all.
fw::Ref<fw::FolderItem> DownloadQRImage(const fw::String& text, std::int32_t itemNumber,
                                        const fw::String& encoding, const fw::String& levelLetter,
                                        const fw::String& size);

// True for an answer with status 200 and a body that is not empty and, when the answer gives
// a Content-Length, holds exactly that many bytes. An error page or a cut-off image is not.
bool IsWholeImageAnswer(int status, std::int64_t bodyBytes,
                        const std::optional<fw::String>& contentLength);
