#pragma once

#include <any>
#include <functional>
#include <string>
#include <string_view>

#include "framework/runtime/RuntimeException.h"

namespace fw {

// The table of the framework's plug-in entry points, by signature text such as
// "BevelButton.TextUnit.Set". The plug-in controls call through it, so they work only once it
// is filled.
void InitPluginEntrypoints();
// Empties the table (a fresh runtime starts with none).
void ClearPluginEntrypoints();

// Adds or replaces one entry; the entry is a std::function of the entry's own signature.
void RegisterPluginEntrypoint(std::string signature, std::any entry);

// The entry registered under `signature`. Throws RuntimeException naming the signature when the
// table holds no such entry (InitPluginEntrypoints has not run), or when the entry has another
// signature than Sig.
const std::any& FindPluginEntrypoint(std::string_view signature);

template <class Sig>
const std::function<Sig>& PluginEntrypoint(std::string_view signature) {
    const auto* entry = std::any_cast<std::function<Sig>>(&FindPluginEntrypoint(signature));
    if (!entry) {
        throw RuntimeException("the plug-in entry point " + std::string(signature) +
                               " has another signature than its caller expects");
    }
    return *entry;
}

}  // namespace fw
