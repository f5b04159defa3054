#include "framework/gui/PluginEntrypoints.h"

#include <map>

#include "framework/gui/BevelButton.h"

namespace fw {
namespace {

std::map<std::string, std::any, std::less<>>& Table() {
    static std::map<std::string, std::any, std::less<>> table;
    return table;
}

}  // namespace

void InitPluginEntrypoints() { BevelButton::RegisterPluginEntrypoints(); }

void ClearPluginEntrypoints() { Table().clear(); }

void RegisterPluginEntrypoint(std::string signature, std::any entry) {
    Table()[std::move(signature)] = std::move(entry);
}

const std::any& FindPluginEntrypoint(std::string_view signature) {
    auto found = Table().find(signature);
    if (found == Table().end()) {
        throw RuntimeException("the plug-in entry point " + std::string(signature) +
                               " is not set up: InitPluginEntrypoints has not run");
    }
    return found->second;
}

}  // namespace fw
