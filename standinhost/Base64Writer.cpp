#include "standinhost/Base64Writer.h"

namespace standinhost {

namespace {

const char* const kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kPieceSize = 64 * 1024;

}  // namespace

Base64Writer::Base64Writer(Output output) : output_(std::move(output)) {
    text_.reserve(kPieceSize + 4);
}

void Base64Writer::EncodeGroup(unsigned char a, unsigned char b, unsigned char c,
                               std::size_t count) {
    const unsigned group = (unsigned{a} << 16) | (unsigned{b} << 8) | c;
    text_ += kAlphabet[(group >> 18) & 63];
    text_ += kAlphabet[(group >> 12) & 63];
    text_ += count > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    text_ += count > 2 ? kAlphabet[group & 63] : '=';
}

bool Base64Writer::FlushWhenFull() {
    if (text_.size() >= kPieceSize && !failed_) {
        failed_ = !output_(text_);
        text_.clear();
    }
    return !failed_;
}

bool Base64Writer::Add(std::string_view bytes) {
    for (char byte : bytes) {
        pending_[pendingCount_++] = static_cast<unsigned char>(byte);
        if (pendingCount_ < 3) continue;
        EncodeGroup(pending_[0], pending_[1], pending_[2], 3);
        pendingCount_ = 0;
        if (!FlushWhenFull()) return false;
    }
    return !failed_;
}

bool Base64Writer::Finish() {
    if (pendingCount_ > 0) {
        EncodeGroup(pending_[0], pendingCount_ > 1 ? pending_[1] : 0, 0, pendingCount_);
        pendingCount_ = 0;
    }
    if (!failed_ && !text_.empty()) failed_ = !output_(text_);
    text_.clear();
    return !failed_;
}

}  // namespace standinhost
