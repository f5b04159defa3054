#pragma once

#include <cstring>
#include <optional>
#include <string>

// Takes "--name=VALUE" out of the arguments before the benchmark library sees them; gives the
// value of the last one, or nothing when none was given.
inline std::optional<std::string> TakeFlag(int& argc, char** argv, const char* prefix) {
    std::optional<std::string> value;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            value = argv[i] + std::strlen(prefix);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return value;
}
