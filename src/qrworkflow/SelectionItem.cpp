// The Selection text's rules: CR removal, then items and their fields split at the separators.
#include "qrworkflow/SelectionItem.h"

namespace {

const fw::String kItemSeparator = "<Mipo2011br>";
const fw::String kFieldSeparator = "<Mipo2011>";

// Field `index` of a piece; the empty text for a field that it lacks, which is never read.
fw::String FieldOrEmpty(const std::vector<fw::String>& fields, std::int32_t index) {
    if (index > fw::LastIndex(fields)) return {};
    return fields[static_cast<std::size_t>(index)];
}

SelectionItem ItemOf(const fw::String& piece, std::int32_t number) {
    if (piece == "") {
        SelectionItem empty;
        empty.number = number;
        empty.empty = true;
        return empty;
    }
    const std::vector<fw::String> fields = fw::Split(piece, kFieldSeparator);
    return {.number = number,
            .text = FieldOrEmpty(fields, 0),
            .firstValue = FieldOrEmpty(fields, 1),
            .secondValue = FieldOrEmpty(fields, 2)};
}

}  // namespace

fw::String WithoutCarriageReturns(const fw::String& selection) {
    return fw::ReplaceAll(selection, fw::Chr(13), "");
}

std::vector<SelectionItem> SelectionItems(const fw::String& selection) {
    const std::vector<fw::String> pieces = fw::Split(selection, kItemSeparator);
    std::vector<SelectionItem> items;
    items.reserve(pieces.size());
    const std::int32_t lastPiece = fw::LastIndex(pieces);
    for (std::int32_t i = 0; i <= lastPiece; ++i) {
        items.push_back(ItemOf(pieces[static_cast<std::size_t>(i)], i));
    }
    return items;
}
