#pragma once

#include <map>

#include "framework/net/HttpAddress.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// The bytes of a GET: the request line "GET <target> HTTP/1.0", each of `headers` in the
// table's order and then Host, every line ended by CR LF, and an empty line. No body.
String BuildGetRequest(const HttpAddress& address, const std::map<String, String>& headers);

}  // namespace fw
