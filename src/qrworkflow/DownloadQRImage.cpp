#include "qrworkflow/DownloadQRImage.h"

#include "framework/files/GetFolderItem.h"
#include "framework/net/HTTPSocket.h"
#include "framework/runtime/CheckCast.h"
#include "framework/runtime/NilObjectException.h"
#include "qrworkflow/ChartHost.h"
#include "qrworkflow/ChartRequest.h"

namespace {

constexpr std::int32_t kTimeoutSeconds = 3;

// A decimal byte count, digits only; nullopt for anything else or beyond 18 digits.
std::optional<std::int64_t> ByteCount(const fw::String& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::int64_t count = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') return std::nullopt;
        count = count * 10 + (digit - '0');
    }
    return count;
}

}  // namespace

bool IsWholeImageAnswer(int status, std::int64_t bodyBytes,
                        const std::optional<fw::String>& contentLength) {
    if (status != 200 || bodyBytes <= 0) return false;
    return !contentLength || ByteCount(*contentLength) == bodyBytes;
}

fw::Ref<fw::FolderItem> DownloadQRImage(const fw::String& text, std::int32_t itemNumber,
                                        const fw::String& encoding, const fw::String& levelLetter,
                                        const fw::String& size) {
    auto socket = fw::RuntimeCheckCast<fw::HTTPSocket>(fw::HTTPSocket::ClassInfo().NewObject());
    socket->Constructor();
    fw::String fileName = TempImageName(itemNumber);
    fw::String address = ChartRequestAddress(ChartHost(), text, encoding, levelLetter, size);
    fw::Ref<fw::FolderItem> folder = fw::GetFolderItem("temp", 0);
    fw::Required(folder, "the folder temp");
    if (!folder->Exists()) folder->CreateAsFolder();
    fw::Ref<fw::FolderItem> file = folder->Child(fileName);
    if (!file) return nullptr;
    if (!socket->Get(address, file, kTimeoutSeconds)) return nullptr;
    if (!IsWholeImageAnswer(socket->HTTPStatusCode(), socket->BodyBytesReceived(),
                            socket->ResponseHeader("Content-Length"))) {
        return nullptr;
    }
    return file;
}
