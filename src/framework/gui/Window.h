#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/design/DesignValue.h"
#include "framework/runtime/CheckCast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"

class QMenuBar;
class QWidget;

namespace fw {

class Control;
class MenuBar;

// A top-level window (a QWidget) with an optional menu bar inside it, above the content area
// that holds the controls at fixed positions. Its widgets are made by Constructor; a property
// that needs them raises RuntimeException before then.
//
// Events raised on the window's class: Layout, CreateControls and Open while Constructor runs
// (directly, so an exception in them passes to the caller); CancelClose and Close when it is
// closed. A close request from the user that comes while a handler runs is kept and carried
// out once, as soon as that handler ends.
class Window : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }
    Window();
    ~Window() override;

    // Builds the window. From its start the window can be found by its class's full name
    // (GetImplicitWindow); Layout and CreateControls run, then Open; then the window shows
    // when Visible holds, so it never shows half built. An exception from an event ends the
    // build: the window is taken off the window list and the exception passes on. A window
    // not held by a Ref, or built twice, raises RuntimeException.
    virtual void Constructor();

    // Raises CancelClose (a true result refuses: nothing changes, false is given back), then
    // Close, hides the window and takes it off the window list. A handler that throws ends the
    // events but not the close (after a throwing CancelClose, Close does not run); the
    // exception passes on after. Closing the last open window asks the loop to end with 0
    // unless an exit code was asked for already. A window closed already gives back true; a
    // call from inside its own CancelClose or Close gives back false.
    bool Close();
    bool IsOpen() const { return open_; }

    // The position of the window's client area (inside the frame, the menu bar included) on
    // the screen; what Left and Top are set to they read back.
    std::int32_t Left() const;
    std::int32_t Top() const;
    void SetLeft(std::int32_t left);
    void SetTop(std::int32_t top);
    // The content area below the menu bar.
    std::int32_t Width() const;
    std::int32_t Height() const;
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);
    void SetMinWidth(std::int32_t width);
    void SetMinHeight(std::int32_t height);
    void SetMaxWidth(std::int32_t width);
    void SetMaxHeight(std::int32_t height);
    // False keeps the content at its size.
    void SetResizeable(bool resizeable);

    bool Visible() const { return visible_; }
    // Shows or hides the window; during Constructor it takes effect when the build is done.
    // The first time it shows, the window becomes the active one.
    void SetVisible(bool visible);
    void SetFullScreen(bool fullScreen);

    std::string Title() const;
    void SetTitle(const std::string& title);
    // The window kind: 7 a floating tool window that stays above other applications'
    // windows; every other number an ordinary document window.
    std::int32_t Frame() const { return frame_; }
    void SetFrame(std::int32_t frame);
    void SetCloseButton(bool closeButton);
    void SetMinimizeButton(bool minimizeButton);
    void SetMaximizeButton(bool maximizeButton);
    // The content's own background colour, used only while HasBackColor holds.
    void SetHasBackColor(bool hasBackColor);
    void SetBackColor(Color color);

    // The menu bar shown at the top of the window; nil for none. The same MenuBar may be
    // shown by several windows and be the application's too.
    const Ref<fw::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(Ref<fw::MenuBar> menuBar);
    void SetMenuBarVisible(bool visible);

    // Registers `control` under `name`; an array element keeps the Index already set. The
    // control's widget moves into the content area. Raises NilObjectException for a missing
    // control and RuntimeException for a control that is not constructed, is on a window
    // already, or whose name and index are taken on this window.
    void AddControl(const std::string& name, const Ref<Control>& control);
    // The control of that name outside any control array, or nil.
    Ref<Control> ControlByName(std::string_view name) const;
    // The element of the control array `name` with that Index, or nil.
    Ref<Control> ControlByNameIndex(std::string_view name, std::int32_t index) const;
    const std::vector<Ref<Control>>& Controls() const { return controls_; }

    // A new, not yet constructed instance of a class, made for code of this window.
    Ref<Object> New(const ClassRecord& classRecord) const;
    template <class T>
    Ref<T> New() const {
        return RuntimeCheckCast<T>(New(T::ClassInfo()));
    }

    // Orders the focus chain by the controls' TabIndex (RectControl calls it).
    void UpdateTabOrder();

    // The Qt widgets; nullptr before Constructor.
    QWidget* Widget() const;
    QWidget* ContentWidget() const;
    QMenuBar* MenuBarWidget() const;

    // Places the menu bar and the content area in the client area (the top widget calls it
    // when it is resized).
    void PlaceChildren();

  private:
    struct Widgets;
    Widgets& RequiredWidgets() const;
    int MenuBarHeight() const;
    void ApplyWindowFlags();
    void ApplySizeLimits();
    void ResizeToContent();
    void ApplyVisibility();
    void FinishClose();
    void ApplyBackColor();

    std::unique_ptr<Widgets> widgets_;
    std::vector<Ref<Control>> controls_;
    Ref<fw::MenuBar> menuBar_;
    std::int32_t contentWidth_ = 300;
    std::int32_t contentHeight_ = 300;
    std::int32_t minWidth_ = 64;
    std::int32_t minHeight_ = 64;
    std::int32_t maxWidth_ = 32000;
    std::int32_t maxHeight_ = 32000;
    std::int32_t frame_ = 0;
    bool resizeable_ = true;
    bool hasBackColor_ = false;
    Color backColor_{255, 255, 255};
    bool visible_ = true;
    bool fullScreen_ = false;
    bool menuBarVisible_ = true;
    bool closeButton_ = true;
    bool minimizeButton_ = true;
    bool maximizeButton_ = true;
    bool building_ = false;
    bool shownBefore_ = false;
    bool open_ = false;
    bool closing_ = false;
};

}  // namespace fw
