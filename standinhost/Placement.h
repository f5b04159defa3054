#pragma once

#include <string>
#include <vector>

#include "standinhost/Outcome.h"

namespace standinhost {

// Script 171: places a PNG file into the host folder's document.svg and logs the call in
// placed.log, both or neither. Placements into one folder are serialised by a lock on it.
class Placement {
  public:
    // At most this many bytes of PNG file.
    static constexpr long long kMaxImageBytes = 64LL * 1024 * 1024;

    // `arguments`: the PNG file, then x and y (each 0, with a warning in `warnings`, unless
    // it is a decimal number). Gives the warnings; fails, leaving the document and the log as
    // they were, when the file is missing, unreadable, too large or no whole PNG, when the
    // document is not the stand-in's or is read-only or a link, when placed.log cannot be
    // written or changes meanwhile, when what a killed placement left cannot be repaired, and
    // when writing the new document fails. Repairs first what killed placements left: their
    // temporary documents go, and placed.log loses the lines they wrote.
    static Outcome<std::vector<std::string>> Run(const std::string& folder,
                                                 const std::vector<std::string>& arguments);
};

}  // namespace standinhost
