#include "hostbridge/HostScriptCalls.h"

#include <cstdint>

#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/scripting/HostScripting.h"

namespace {

constexpr std::int32_t kSelectedTexts = 168;
constexpr std::int32_t kFrontmostApplication = 169;
constexpr std::int32_t kBringPaletteToFront = 170;
constexpr std::int32_t kPlaceImage = 171;

const HostScriptArgumentList& RequiredList(const fw::Ref<const HostScriptArgumentList>& arguments) {
    return *fw::Required(arguments, "host-script argument list");
}

// A prepared call of the script with every value appended by its type code alone.
std::int32_t PrepareCall(std::int32_t script, const HostScriptArgumentList& arguments) {
    const std::int32_t handle = fw::StartParamScript(script);
    for (std::int32_t i = 0; i <= fw::LastIndex(arguments); ++i) {
        const fw::Variant& value = arguments[static_cast<std::size_t>(i)];
        if (fw::VarType(value) == fw::TypeInteger) {
            fw::AddIntegerScriptParam(handle, fw::VariantToInt32(value));
        } else {
            fw::AddStringScriptParam(handle, fw::VariantToString(value));
        }
        fw::RuntimeBackgroundTask();
    }
    return handle;
}

fw::String CallFunction(std::int32_t script,
                        const fw::Ref<const HostScriptArgumentList>& arguments) {
    const HostScriptArgumentList& list = RequiredList(arguments);
    if (fw::LastIndex(list) < 0) return fw::ScriptFunction(script);
    return fw::CompleteParamScriptFunction(PrepareCall(script, list));
}

void CallExecute(std::int32_t script, const fw::Ref<const HostScriptArgumentList>& arguments) {
    const HostScriptArgumentList& list = RequiredList(arguments);
    if (fw::LastIndex(list) < 0) {
        fw::ScriptExecute(script);
        return;
    }
    fw::CompleteParamScriptExecute(PrepareCall(script, list));
}

}  // namespace

fw::String getcontents(const fw::Ref<const HostScriptArgumentList>& arguments) {
    return CallFunction(kSelectedTexts, arguments);
}

fw::String frontAppli(const fw::Ref<const HostScriptArgumentList>& arguments) {
    return CallFunction(kFrontmostApplication, arguments);
}

void acctivemyapp(const fw::Ref<const HostScriptArgumentList>& arguments) {
    CallExecute(kBringPaletteToFront, arguments);
}

fw::String setqrcode(const fw::Ref<const HostScriptArgumentList>& arguments) {
    return CallFunction(kPlaceImage, arguments);
}
