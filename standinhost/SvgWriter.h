#pragma once

#include <string>
#include <string_view>

#include <libxml/xmlwriter.h>

namespace standinhost {

// Writes a document.svg through libxml2's text writer, straight to a file descriptor, in the
// stand-in's layout (see DocumentHead): every attribute value escaped as XML text. The
// caller may write to the descriptor itself between Head and Image, after Flush.
class SvgWriter {
  public:
    struct Image {
        std::string x, y, width, height;
        std::string path, xValue, yValue;  // as given; cleaned here for XML
    };

    explicit SvgWriter(int fd);
    ~SvgWriter();
    SvgWriter(const SvgWriter&) = delete;
    SvgWriter& operator=(const SvgWriter&) = delete;

    // Each false once anything written so far has failed.
    bool Head(const std::string& width, const std::string& height);
    // Starts the image element, up to the start of its base64 data; the data follows
    // through Data, then EndImage.
    bool StartImage(const Image& image);
    bool Data(std::string_view base64);
    bool EndImage();
    // Closes the root and writes out what is buffered.
    bool End();
    bool Flush();

  private:
    bool Check(int result);

    xmlTextWriterPtr writer_;
    bool failed_ = false;
};

}  // namespace standinhost
