#include "framework/net/HttpRequest.h"

namespace fw {

String BuildGetRequest(const HttpAddress& address, const std::map<String, String>& headers) {
    String request = "GET " + address.target + " HTTP/1.0\r\n";
    for (const auto& [name, value] : headers) request += name + ": " + value + "\r\n";
    request += "Host: " + address.hostHeader + "\r\n";
    request += "\r\n";
    return request;
}

}  // namespace fw
