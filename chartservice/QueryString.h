#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chartservice {

struct QueryParameter {
    std::string key;
    std::string value;

    bool operator==(const QueryParameter&) const = default;
};

// The parameters of a query, or the reason it was refused.
struct QueryParse {
    std::vector<QueryParameter> parameters;
    std::string error;  // empty when the whole query decoded

    explicit operator bool() const { return error.empty(); }
};

// Splits a query (the part after "?", without it) at "&" into key=value pairs, in order, and
// percent-decodes keys and values to their bytes. A pair without "=" has an empty value; empty
// pairs are skipped. "+" stays a plus: the palette encodes a space as %20, so a "+" in its
// query can only be a plus sign. A "%" that is not followed by two hex digits refuses the
// query, with its byte offset in the error.
QueryParse ParseQueryString(std::string_view query);

}  // namespace chartservice
