#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/ScriptedServer.h"
#include "support/TinyPng.h"

// A whole answer with status 200 as a chart server might send it, and whether its body is
// a PNG image that may be handed to the host.
struct ImageAnswerCase {
    const char* name;
    std::string answer;
    bool isImage;
};

inline void PrintTo(const ImageAnswerCase& row, std::ostream* os) { *os << row.name; }

// `body` in one chunk of the chunked transfer coding, with the last chunk after it.
inline std::string Chunked(const std::string& body) {
    std::ostringstream size;
    size << std::hex << body.size();
    return size.str() + "\r\n" + body + "\r\n0\r\n\r\n";
}

// Bodies that are not images, each with a length that matches what the answer announces,
// and a real PNG beside them.
inline std::vector<ImageAnswerCase> ImageAnswerCases() {
    using vemo_test::Answer;
    const std::string png = vemo_test::TinyPng::Make(8, 8);
    const std::string html = "<!DOCTYPE html><p>no chart today</p>";
    return {
        {"ChunkedPng", Answer("200 OK", {"Transfer-Encoding: chunked"}, Chunked(png)), false},
        {"HtmlPage",
         Answer("200 OK",
                {"Content-Type: text/html", "Content-Length: " + std::to_string(html.size())},
                html),
         false},
        {"CutInsideItsSignature", Answer("200 OK", {"Content-Length: 4"}, png.substr(0, 4)), false},
        {"CutInsideItsSignatureWithoutLength", Answer("200 OK", {}, png.substr(0, 7)), false},
        {"RealPng",
         Answer("200 OK",
                {"Content-Type: image/png", "Content-Length: " + std::to_string(png.size())}, png),
         true},
    };
}
