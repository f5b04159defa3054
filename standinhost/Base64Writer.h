#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace standinhost {

// Encodes bytes as base64 (RFC 4648, padded, no line breaks) as they come, handing the text
// on in pieces of a bounded size.
class Base64Writer {
  public:
    // Takes the next piece of text; false when it could not be written.
    using Output = std::function<bool(std::string_view)>;

    explicit Base64Writer(Output output);

    // False when the output failed, now or before.
    bool Add(std::string_view bytes);
    // Encodes what is left, with padding, and hands on the rest; false when the output failed.
    bool Finish();

  private:
    void EncodeGroup(unsigned char a, unsigned char b, unsigned char c, std::size_t count);
    bool FlushWhenFull();

    Output output_;
    unsigned char pending_[3] = {};
    std::size_t pendingCount_ = 0;
    std::string text_;
    bool failed_ = false;
};

}  // namespace standinhost
