#include "standinhost/DocumentHead.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

namespace standinhost {

namespace {

const char* const kSvgNamespace = "http://www.w3.org/2000/svg";

std::optional<double> Extent(xmlNodePtr root, const char* name) {
    std::unique_ptr<xmlChar, decltype(xmlFree)> value(
        xmlGetProp(root, reinterpret_cast<const xmlChar*>(name)), xmlFree);
    if (!value) return std::nullopt;
    const std::string text(reinterpret_cast<const char*>(value.get()));
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) {
        return std::nullopt;
    }
    double extent = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), extent);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(extent)) {
        return std::nullopt;
    }
    return extent;
}

}  // namespace

Outcome<DocumentHead> DocumentHead::Parse(std::string_view start) {
    using Result = Outcome<DocumentHead>;
    const auto firstEnd = start.find('\n');
    const auto secondEnd = firstEnd == start.npos ? start.npos : start.find('\n', firstEnd + 1);
    if (secondEnd == start.npos) return Result::Failure("no svg start tag on its second line");
    const std::string head = std::string(start.substr(0, secondEnd + 1)) + "</svg>";
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document(
        xmlReadMemory(head.data(), static_cast<int>(head.size()), nullptr, nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        xmlFreeDoc);
    if (!document) return Result::Failure("its first two lines are no XML start");
    xmlNodePtr root = xmlDocGetRootElement(document.get());
    if (!root || xmlStrcmp(root->name, reinterpret_cast<const xmlChar*>("svg")) != 0 || !root->ns ||
        xmlStrcmp(root->ns->href, reinterpret_cast<const xmlChar*>(kSvgNamespace)) != 0) {
        return Result::Failure("its root is no svg element");
    }
    const auto width = Extent(root, "width");
    const auto height = Extent(root, "height");
    if (!width || !height) return Result::Failure("its extent is no plain decimal");
    return DocumentHead(*width, *height, secondEnd + 1);
}

}  // namespace standinhost
