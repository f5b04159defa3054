#pragma once

#include <cstdint>
#include <string>

#include "framework/design/DesignValue.h"
#include "framework/gui/RectControl.h"

namespace fw {

// A push button (a QPushButton) that raises Action when clicked. It is one of the framework's
// plug-in controls: Caption, TextSize and TextUnit go through the plug-in entry points
// "BevelButton.<property>.Get/Set", and raise RuntimeException until InitPluginEntrypoints
// has filled them.
class BevelButton : public RectControl {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    float TextSize() const;
    void SetTextSize(float size);
    std::uint8_t TextUnit() const;
    void SetTextUnit(std::uint8_t unit);

    void SetHasBackColor(bool hasBackColor);
    void SetBackColor(Color color);
    void SetTextColor(Color color);
    // 0 a push button; 1 and 2 buttons that stay down (Value).
    void SetButtonType(std::int32_t type);
    void SetValue(bool value);

    // Puts this class's entries into the plug-in table.
    static void RegisterPluginEntrypoints();

  protected:
    std::unique_ptr<QWidget> MakeWidget() override;

  private:
    void ApplyColors();

    bool hasBackColor_ = false;
    Color backColor_{};
    Color textColor_{};
    bool textColorSet_ = false;
};

}  // namespace fw
