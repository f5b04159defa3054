// DownQR: one item's code downloaded from the chart service into its temporary image file,
// given back only when the answer is a whole PNG image.
#include <fstream>
#include <string>

#include "framework/files/GetFolderItem.h"
#include "framework/net/HTTPSocket.h"
#include "framework/runtime/NilObjectException.h"
#include "qrworkflow/ChartAddress.h"
#include "qrworkflow/ChartHost.h"
#include "qrworkflow/ImageAnswerCheck.h"
#include "qrworkflow/TempImageFile.h"
#include "shell/Window1.h"

namespace {

constexpr std::int32_t kTimeoutSeconds = 3;

// The downloaded body's first bytes, as many as the PNG signature has when the file holds
// them; fewer, or none, when it holds fewer or cannot be read.
std::string BodyStart(const fw::FolderItem& file) {
    std::ifstream body(file.AbsolutePath(), std::ios::binary);
    std::string start(kPngSignature.size(), '\0');
    body.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(body.gcount()));
    return start;
}

}  // namespace

fw::Ref<fw::FolderItem> Window1::DownQR(const fw::String& text, std::int32_t itemNumber,
                                        const fw::String& encoding, const fw::String& levelLetter,
                                        const fw::String& size) {
    auto socket = New<fw::HTTPSocket>();
    socket->Constructor();
    fw::String fileName = TempImageName(itemNumber);
    fw::String address = ChartAddress(ChartHost(), text, encoding, levelLetter, size);
    fw::Ref<fw::FolderItem> folder = fw::GetFolderItem("temp", 0);
    fw::Required(folder, "the folder temp");
    if (!folder->Exists()) folder->CreateAsFolder();
    fw::Ref<fw::FolderItem> file = folder->Child(fileName);
    if (!file) return nullptr;
    if (!socket->Get(address, file, kTimeoutSeconds)) return nullptr;
    if (!IsWholeImageAnswer(socket->HTTPStatusCode(), socket->BodyBytesReceived(),
                            socket->ResponseHeader("Content-Length"), BodyStart(*file))) {
        return nullptr;
    }
    return file;
}
