#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/gui/Control.h"

class QWidget;

namespace fw {

// A control with a place on its window, drawn by the Qt widget that it owns. The widget is
// made by Constructor; using a property that needs it before then raises RuntimeException.
// Left, Top, Width and Height are pixels within the window's content area; the widget never
// moves or stretches when the window is resized.
class RectControl : public Control {
  public:
    static const ClassRecord& ClassInfo();
    RectControl();
    ~RectControl() override;

    // The framework's construction of a visible control: makes its widget, hidden until the
    // control is registered on a window.
    virtual void Constructor();
    bool IsConstructed() const override { return Widget() != nullptr; }
    std::optional<TabPlace> TabOrderPlace() const override;

    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    void SetLeft(std::int32_t left);
    void SetTop(std::int32_t top);
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);

    // Its place in the window's tab order: lower first; equal values keep registration order.
    std::int32_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(std::int32_t tabIndex);
    // Whether Tab reaches the control at all.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetHelpTag(const std::string& helpTag);

    void SetTextFont(const std::string& family);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);

    // Redraws the control now, before returning, not at a later turn of the event loop. Qt
    // repaints a widget whole, so its background is drawn either way.
    void Refresh(bool eraseBackground = true);

    // The widget; nullptr before Constructor.
    QWidget* Widget() const;

  protected:
    virtual std::unique_ptr<QWidget> MakeWidget() = 0;
    // Whether the control can take the keyboard focus at all (labels cannot).
    virtual bool TakesFocus() const { return true; }
    // The widget, or RuntimeException naming the control when Constructor has not run.
    QWidget& RequiredWidget() const;

    // Text size in the given unit (0 and 1 pixels, 2 points, 3 inches, 4 millimetres); a size
    // of 0 is the system's size. An unknown unit raises RuntimeException.
    float TextSizeValue() const { return textSize_; }
    std::uint8_t TextUnitValue() const { return textUnit_; }
    void ApplyTextSize(float size);
    void ApplyTextUnit(std::uint8_t unit);
    // Whether a click gives the control the focus (Tab still does while TabStop holds).
    void SetAcceptFocus(bool acceptFocus);

    void AttachTo(fw::Window& window) override;
    void DetachFromWindow() override;
    void NameOrIndexChanged() override;

  private:
    void ApplyFont();
    void ApplyFocusPolicy();
    void TabOrderChanged();

    // Deleted by whichever goes first: this control, or the window's widget that it is placed
    // on; a QPointer inside, so neither deletes it twice.
    struct OwnedWidget;
    std::unique_ptr<OwnedWidget> widget_;
    std::int32_t tabIndex_ = 0;
    bool tabStop_ = true;
    bool acceptFocus_ = true;
    bool visible_ = true;
    float textSize_ = 0;
    std::uint8_t textUnit_ = 0;
    std::string textFont_ = "System";
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
};

}  // namespace fw
