#pragma once

#include <cstdint>
#include <string>

#include "framework/design/DesignValue.h"
#include "framework/gui/RectControl.h"

namespace fw {

// A text label (a QLabel); the text starts at the top left.
class StaticText : public RectControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    std::string Text() const;
    void SetText(const std::string& text);
    // Wraps the text over as many lines as the label's height shows.
    bool Multiline() const;
    void SetMultiline(bool multiline);
    // 0 and 1 left, 2 centre, 3 right; other values raise RuntimeException.
    void SetTextAlign(std::int32_t align);
    void SetTextColor(Color color);
    // Whether the user can select the text with the mouse.
    void SetSelectable(bool selectable);
    // A label that is not transparent paints its own background first.
    void SetTransparent(bool transparent);

    float TextSize() const { return TextSizeValue(); }
    void SetTextSize(float size) { ApplyTextSize(size); }
    std::uint8_t TextUnit() const { return TextUnitValue(); }
    void SetTextUnit(std::uint8_t unit) { ApplyTextUnit(unit); }

  protected:
    std::unique_ptr<QWidget> MakeWidget() override;
    bool TakesFocus() const override { return false; }
};

}  // namespace fw
