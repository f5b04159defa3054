#include "standinhost/Coordinate.h"

#include <charconv>

namespace standinhost {

namespace {

const char* const kBlanks = " \t\r\n";
const std::string kLimit = "1000000000";

bool AllDigits(const std::string& text) {
    return text.find_first_not_of("0123456789") == std::string::npos;
}

// Whether the digits before and after the point lie beyond the limit.
bool BeyondLimit(std::string whole, const std::string& fraction) {
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() != kLimit.size()) return whole.size() > kLimit.size();
    if (whole != kLimit) return whole > kLimit;
    return fraction.find_first_not_of('0') != std::string::npos;
}

}  // namespace

Coordinate::Coordinate(bool number, std::string text, double value)
    : number_(number), text_(std::move(text)), value_(value) {}

Coordinate Coordinate::Parse(const std::string& text) {
    const Coordinate zero(false, "0", 0);
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return zero;
    const std::string value = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);

    const std::size_t signLength = (value[0] == '+' || value[0] == '-') ? 1 : 0;
    const std::string unsignedPart = value.substr(signLength);
    const auto point = unsignedPart.find('.');
    std::string whole = unsignedPart.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : unsignedPart.substr(point + 1);
    if (!AllDigits(whole) || !AllDigits(fraction) || (whole.empty() && fraction.empty())) {
        return zero;
    }
    if (BeyondLimit(whole, fraction)) return zero;

    if (whole.empty()) whole.push_back('0');
    std::string plain(value, 0, signLength);
    plain.append(whole);
    if (!fraction.empty()) plain.append(1, '.').append(fraction);
    // from_chars takes no '+'; the digits alone are at most 1e9, so a double holds them.
    const std::string forDouble = plain.substr(plain[0] == '+' ? 1 : 0);
    double number = 0;
    std::from_chars(forDouble.data(), forDouble.data() + forDouble.size(), number);
    return Coordinate(true, plain, number);
}

}  // namespace standinhost
