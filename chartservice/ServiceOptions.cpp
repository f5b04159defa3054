#include "chartservice/ServiceOptions.h"

#include <algorithm>
#include <array>
#include <optional>

#include "chartservice/Decimal.h"

namespace chartservice {
namespace {

// A number option: where its value goes, its bounds, and how a bad value is refused.
struct NumberOption {
    const char* name;
    int ServiceOptions::*value;
    int min;
    int max;
    const char* refusal;  // followed by the value given
};

constexpr std::array<NumberOption, 2> kNumberOptions{{
    {"--port", &ServiceOptions::port, 0, 65535, "--port must be 0 to 65535: "},
    {"--request-timeout", &ServiceOptions::requestTimeoutSeconds, 1, 3600,
     "--request-timeout must be 1 to 3600 seconds: "},
}};

const NumberOption* NumberOptionNamed(const std::string& name) {
    for (const NumberOption& option : kNumberOptions) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

// Sets the option to the value; the reason when the value is refused.
std::string Apply(const std::string& option, const std::string& value, ServiceOptions& options) {
    const NumberOption* number = NumberOptionNamed(option);
    if (number == nullptr) {
        options.host = value;
        return {};
    }
    std::optional<int> parsed = ParseDecimal(value, number->max);
    if (!parsed || *parsed < number->min) return number->refusal + value;
    options.*(number->value) = *parsed;
    return {};
}

}  // namespace

ServiceOptionsParse ParseServiceOptions(const std::vector<std::string>& arguments) {
    ServiceOptionsParse parse;
    std::vector<std::string> given;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        if (option != "--host" && NumberOptionNamed(option) == nullptr) {
            parse.error = "unknown argument: " + option;
            return parse;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
            parse.error = option + " needs a value";
            return parse;
        }
        if (std::find(given.begin(), given.end(), option) != given.end()) {
            parse.error = option + " is given twice";
            return parse;
        }
        given.push_back(option);
        parse.error = Apply(option, arguments[i + 1], parse.options);
        if (!parse.error.empty()) return parse;
    }
    return parse;
}

}  // namespace chartservice
