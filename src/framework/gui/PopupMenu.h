#pragma once

#include <cstdint>
#include <string>

#include "framework/gui/RectControl.h"

namespace fw {

// A popup menu of text rows (a QComboBox).
class PopupMenu : public RectControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    // Replaces the rows by the texts of `rows` joined by carriage returns (13); the empty text
    // gives no rows. The first row is selected.
    void SetInitialValue(const std::string& rows);

    std::int32_t ListCount() const;
    // The text of row `row`; the empty text for a row number that names no row.
    std::string List(std::int32_t row) const;

    // The selected row's number from 0; -1 when there are no rows.
    std::int32_t ListIndex() const;
    // Selects row `row`; a number that names no row keeps the row that is selected.
    void SetListIndex(std::int32_t row);
    // The selected row's text; empty when there are no rows.
    std::string Text() const;

    float TextSize() const { return TextSizeValue(); }
    void SetTextSize(float size) { ApplyTextSize(size); }
    std::uint8_t TextUnit() const { return TextUnitValue(); }
    void SetTextUnit(std::uint8_t unit) { ApplyTextUnit(unit); }

  protected:
    std::unique_ptr<QWidget> MakeWidget() override;
};

}  // namespace fw
