#pragma once

#include <cstddef>
#include <string_view>

#include "standinhost/Outcome.h"

namespace standinhost {

// The first two lines of a document.svg that the stand-in wrote: the XML declaration and the
// svg root's start tag with the document's extent. The images follow, one a line, then the
// line "</svg>".
class DocumentHead {
  public:
    // Read with libxml2 from the document's first bytes (at least its first two lines). Fails
    // when there are not two lines, they do not parse, the root is no SVG root, or its width
    // or height is not a plain, finite, non-negative decimal.
    static Outcome<DocumentHead> Parse(std::string_view start);

    double Width() const { return width_; }
    double Height() const { return height_; }
    // The bytes of the two lines, both line ends included.
    std::size_t Length() const { return length_; }

  private:
    DocumentHead(double width, double height, std::size_t length)
        : width_(width), height_(height), length_(length) {}

    double width_;
    double height_;
    std::size_t length_;
};

}  // namespace standinhost
