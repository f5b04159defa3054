#include "framework/files/GetFolderItem.h"
#include "framework/net/HTTPSocket.h"
#include "framework/runtime/NilObjectException.h"
#include "qrworkflow/ChartAnswer.h"
#include "qrworkflow/ChartHost.h"
#include "qrworkflow/ChartRequest.h"
#include "shell/Window1.h"

namespace {

constexpr std::int32_t kTimeoutSeconds = 3;

}  // namespace

fw::Ref<fw::FolderItem> Window1::DownQR(const fw::String& text, std::int32_t itemNumber,
                                        const fw::String& encoding, const fw::String& levelLetter,
                                        const fw::String& size) {
    auto socket = New<fw::HTTPSocket>();
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
