#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "framework/gui/Delegate.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"

class QWidget;

namespace fw {

class Window;

// A control on a window: its name and, in a control array, its index; its handlers by event
// name.
class Control : public Object {
  public:
    // The Index of a control that is not in a control array.
    static constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

    static const ClassRecord& ClassInfo();

    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    std::int32_t Index() const { return index_; }
    void SetIndex(std::int32_t index);

    // Whether its Constructor has run; a window takes only constructed controls.
    virtual bool IsConstructed() const = 0;

    // The widget that Tab gives the focus to, with the control's TabIndex (lower first).
    struct TabPlace {
        QWidget* widget;
        std::int32_t tabIndex;
    };
    // Where the control stands in its window's tab order; none for a control that Tab never
    // reaches (one that draws nothing, such as a timer, a label, TabStop off, no widget yet).
    virtual std::optional<TabPlace> TabOrderPlace() const { return std::nullopt; }

    // The window the control is registered on, or nil.
    Ref<fw::Window> Window() const { return window_.lock(); }

    // Runs the handler of `event` through the dispatcher with this control as the sender.
    // Gives back false when no handler is installed or the dispatcher is busy (the event is
    // dropped then).
    bool RaiseEvent(std::string_view event);
    bool HasHandler(std::string_view event) const;

  protected:
    friend class fw::Window;
    // Registration on a window; RectControl puts its widget there.
    virtual void AttachTo(fw::Window& window);
    // The window is going away; RectControl takes its widget back.
    virtual void DetachFromWindow();
    virtual void NameOrIndexChanged() {}

  private:
    friend void InstallInstanceEventHandler(Control&, std::string_view, EventHandler);

    std::string name_;
    std::int32_t index_ = kNoIndex;
    std::weak_ptr<fw::Window> window_;
    std::map<std::string, EventHandler, std::less<>> handlers_;
};

// Makes `handler` the handler of the control's event named `eventName`, in place of any
// earlier one. Raises RuntimeException when the control's class defines no such event, and
// NilObjectException for an empty handler.
void InstallInstanceEventHandler(Control& control, std::string_view eventName,
                                 EventHandler handler);

// The object name of a control's widget: "makeqr", or "POP1(1)" for an array element.
std::string ControlObjectName(std::string_view name, std::int32_t index);

}  // namespace fw
