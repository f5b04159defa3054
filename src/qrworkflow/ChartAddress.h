#pragma once

#include "framework/text/TextFunctions.h"

// The value with every byte percent-encoded but the unreserved ones (A-Z a-z 0-9 - . _ ~),
// so that no text can end a query value early or break the request line.
fw::String PercentEncode(const fw::String& value);

// "/chart?cht=qr&chs=" size "x" size "&choe=" encoding "&chl=" text "&chld=" level letter,
// each value percent-encoded.
fw::String ChartPath(const fw::String& text, const fw::String& encoding,
                     const fw::String& levelLetter, const fw::String& size);

// The plain-HTTP address of the chart request on `host`.
fw::String ChartAddress(const fw::String& host, const fw::String& text, const fw::String& encoding,
                        const fw::String& levelLetter, const fw::String& size);
