#include "chartservice/ServiceOptions.h"

#include <optional>

#include "chartservice/Decimal.h"

namespace chartservice {
namespace {

constexpr int kMaxPort = 65535;

}  // namespace

ServiceOptionsParse ParseServiceOptions(const std::vector<std::string>& arguments) {
    ServiceOptionsParse parse;
    bool hostGiven = false;
    bool portGiven = false;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        bool isHost = option == "--host";
        if (!isHost && option != "--port") {
            parse.error = "unknown argument: " + option;
            return parse;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
            parse.error = option + " needs a value";
            return parse;
        }
        bool& given = isHost ? hostGiven : portGiven;
        if (given) {
            parse.error = option + " is given twice";
            return parse;
        }
        given = true;
        const std::string& value = arguments[i + 1];
        if (isHost) {
            parse.options.host = value;
            continue;
        }
        std::optional<int> port = ParseDecimal(value, kMaxPort);
        if (!port) {
            parse.error = "--port must be 0 to 65535: " + value;
            return parse;
        }
        parse.options.port = *port;
    }
    return parse;
}

}  // namespace chartservice
