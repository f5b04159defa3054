#include "standinhost/SvgWriter.h"

#include "standinhost/XmlText.h"

namespace standinhost {

namespace {

const xmlChar* X(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

}  // namespace

SvgWriter::SvgWriter(int fd)
    : writer_(xmlNewTextWriter(xmlOutputBufferCreateFd(fd, nullptr))), failed_(!writer_) {}

SvgWriter::~SvgWriter() {
    if (writer_) xmlFreeTextWriter(writer_);
}

bool SvgWriter::Check(int result) {
    if (result < 0) failed_ = true;
    return !failed_;
}

bool SvgWriter::Head(const std::string& width, const std::string& height) {
    return !failed_ && Check(xmlTextWriterStartDocument(writer_, "1.0", "UTF-8", nullptr)) &&
           Check(xmlTextWriterStartElement(writer_, X("svg"))) &&
           Check(
               xmlTextWriterWriteAttribute(writer_, X("xmlns"), X("http://www.w3.org/2000/svg"))) &&
           Check(xmlTextWriterWriteAttribute(writer_, X("width"), X(width.c_str()))) &&
           Check(xmlTextWriterWriteAttribute(writer_, X("height"), X(height.c_str()))) &&
           Check(xmlTextWriterWriteRaw(writer_, X("\n")));
}

bool SvgWriter::StartImage(const Image& image) {
    if (failed_ || !Check(xmlTextWriterStartElement(writer_, X("image")))) return false;
    const std::pair<const char*, std::string> attributes[] = {
        {"x", image.x},
        {"y", image.y},
        {"width", image.width},
        {"height", image.height},
        {"data-path", XmlText::Clean(image.path)},
        {"data-x", XmlText::Clean(image.xValue)},
        {"data-y", XmlText::Clean(image.yValue)},
    };
    for (const auto& [name, value] : attributes) {
        if (!Check(xmlTextWriterWriteAttribute(writer_, X(name), X(value.c_str())))) return false;
    }
    return Check(xmlTextWriterStartAttribute(writer_, X("href"))) &&
           Check(xmlTextWriterWriteRaw(writer_, X("data:image/png;base64,")));
}

bool SvgWriter::Data(std::string_view base64) {
    return !failed_ && Check(xmlTextWriterWriteRawLen(writer_, X(base64.data()),
                                                      static_cast<int>(base64.size())));
}

bool SvgWriter::EndImage() {
    return !failed_ && Check(xmlTextWriterEndAttribute(writer_)) &&
           Check(xmlTextWriterEndElement(writer_)) &&
           Check(xmlTextWriterWriteRaw(writer_, X("\n")));
}

bool SvgWriter::End() {
    return !failed_ && Check(xmlTextWriterEndElement(writer_)) &&
           Check(xmlTextWriterWriteRaw(writer_, X("\n"))) && Flush();
}

bool SvgWriter::Flush() { return !failed_ && Check(xmlTextWriterFlush(writer_)); }

}  // namespace standinhost
