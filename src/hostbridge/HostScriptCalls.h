#pragma once

#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"
#include "hostbridge/HostScriptArgumentList.h"

// The calls of the drawing application's host scripts. Each runs its script with the list's
// values as arguments (none for an empty list) and waits for it; a missing list raises
// fw::NilObjectException before any script runs. The result is the script's text as the
// framework gives it, unchanged: the empty text when the script failed.

// Script 168: the selected texts, as the Selection text.
fw::String getcontents(const fw::Ref<const HostScriptArgumentList>& arguments);

// Script 169: the name of the frontmost application.
fw::String frontAppli(const fw::Ref<const HostScriptArgumentList>& arguments);

// Script 170: brings the palette itself to the front.
void acctivemyapp(const fw::Ref<const HostScriptArgumentList>& arguments);

// Script 171: places the image file (path, then the item's two pass-through values).
fw::String setqrcode(const fw::Ref<const HostScriptArgumentList>& arguments);
