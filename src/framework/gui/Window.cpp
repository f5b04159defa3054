#include "framework/gui/Window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>

#include "framework/gui/Control.h"
#include "framework/gui/DesignProperties.h"
#include "framework/gui/MenuBar.h"
#include "framework/gui/WindowList.h"
#include "framework/runtime/Dispatcher.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {
namespace {

constexpr std::int32_t kToolWindowFrame = 7;

// The top-level widget: a close request from the user goes to the framework's Close, through
// the dispatcher; Qt itself never closes the widget. A close that comes while a handler runs
// (a message box inside it runs a full event loop) is kept until that handler ends.
class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(Window& owner) : owner_(owner) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        DispatchOrKeep(&owner_, [window = owner_.weak_from_this()] {
            if (Ref<Object> alive = window.lock()) static_cast<Window&>(*alive).Close();
        });
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        owner_.PlaceChildren();
    }

  private:
    Window& owner_;
};

}  // namespace

struct Window::Widgets {
    explicit Widgets(Window& owner)
        : top(std::make_unique<WindowWidget>(owner)),
          menuBar(new QMenuBar(top.get())),
          content(new QWidget(top.get())) {
        content->setObjectName("content");
        menuBar->setObjectName("menubar");
        menuBar->hide();
    }

    std::unique_ptr<WindowWidget> top;
    QMenuBar* menuBar;  // children of top
    QWidget* content;
};

const ClassRecord& Window::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "Window",
        .operations = {"Close()", "AddControl(String, Control)", "New(Class)", "Constructor()"},
        .events = {"Layout", "CreateControls", "Open", "CancelClose", "Close"},
        .designProperties = {IgnoredDesignProperty("Placement", DesignType::Int32),
                             DesignSetter("Width", &Window::SetWidth),
                             DesignSetter("Height", &Window::SetHeight),
                             DesignSetter("MinWidth", &Window::SetMinWidth),
                             DesignSetter("MinHeight", &Window::SetMinHeight),
                             DesignSetter("MaxWidth", &Window::SetMaxWidth),
                             DesignSetter("MaxHeight", &Window::SetMaxHeight),
                             DesignSetter("Frame", &Window::SetFrame),
                             IgnoredDesignProperty("Composite", DesignType::Boolean),
                             DesignSetter("HasBackColor", &Window::SetHasBackColor),
                             DesignSetter("BackColor", &Window::SetBackColor),
                             DesignSetter("Title", &Window::SetTitle),
                             DesignSetter("Visible", &Window::SetVisible),
                             DesignSetter("FullScreen", &Window::SetFullScreen),
                             DesignSetter("MenuBarVisible", &Window::SetMenuBarVisible),
                             DesignSetter("CloseButton", &Window::SetCloseButton),
                             DesignSetter("Resizeable", &Window::SetResizeable),
                             IgnoredDesignProperty("LiveResize", DesignType::Boolean),
                             DesignSetter("MaximizeButton", &Window::SetMaximizeButton),
                             DesignSetter("MinimizeButton", &Window::SetMinimizeButton),
                             IgnoredDesignProperty("MacProcID", DesignType::Int32)},
        .create = [] { return std::make_shared<Window>(); },
    });
    return record;
}

Window::Window() = default;

Window::~Window() {
    // The controls may outlive the window; their widgets must not die with its widget.
    for (const auto& control : controls_) control->DetachFromWindow();
    controls_.clear();
    if (menuBar_ && widgets_) menuBar_->StopShowingIn(*widgets_->menuBar);
}

Window::Widgets& Window::RequiredWidgets() const {
    if (!widgets_) {
        throw RuntimeException("the window " + ClassOf().Name() +
                               " is used before its Constructor ran");
    }
    return *widgets_;
}

QWidget* Window::Widget() const { return widgets_ ? widgets_->top.get() : nullptr; }
QWidget* Window::ContentWidget() const { return widgets_ ? widgets_->content : nullptr; }
QMenuBar* Window::MenuBarWidget() const { return widgets_ ? widgets_->menuBar : nullptr; }

void Window::Constructor() {
    auto self = std::static_pointer_cast<Window>(weak_from_this().lock());
    if (!self) throw RuntimeException("a window must be held by a reference to be built");
    if (widgets_) throw RuntimeException("the window " + ClassOf().Name() + " is built already");
    widgets_ = std::make_unique<Widgets>(*this);
    ApplyWindowFlags();
    ApplySizeLimits();
    ResizeToContent();
    building_ = true;
    open_ = true;
    AddOpenWindow(self);
    try {
        RaiseClassEvent(*this, "Layout");
        RaiseClassEvent(*this, "CreateControls");
        RaiseClassEvent(*this, "Open");
    } catch (...) {
        building_ = false;
        open_ = false;
        RemoveFailedWindow(*this);
        throw;
    }
    building_ = false;
    if (open_) ApplyVisibility();
}

bool Window::Close() {
    if (!open_) return true;
    if (closing_) return false;
    closing_ = true;
    // The Close handler may drop the system's last reference to this window.
    Ref<Object> keepAlive = weak_from_this().lock();
    try {
        if (RaiseClassEvent(*this, "CancelClose")) {
            closing_ = false;
            return false;
        }
        RaiseClassEvent(*this, "Close");
    } catch (...) {
        FinishClose();
        throw;
    }
    FinishClose();
    return true;
}

void Window::FinishClose() {
    closing_ = false;
    open_ = false;
    if (widgets_) widgets_->top->hide();
    MoveToClosedWindows(*this);
}

std::int32_t Window::Left() const { return RequiredWidgets().top->geometry().x(); }
std::int32_t Window::Top() const { return RequiredWidgets().top->geometry().y(); }

void Window::SetLeft(std::int32_t left) {
    QWidget& top = *RequiredWidgets().top;
    top.setGeometry(QRect(QPoint(left, top.geometry().y()), top.size()));
}

void Window::SetTop(std::int32_t topEdge) {
    QWidget& top = *RequiredWidgets().top;
    top.setGeometry(QRect(QPoint(top.geometry().x(), topEdge), top.size()));
}

std::int32_t Window::Width() const { return RequiredWidgets().content->width(); }
std::int32_t Window::Height() const { return RequiredWidgets().content->height(); }

void Window::SetWidth(std::int32_t width) {
    contentWidth_ = width;
    ResizeToContent();
}

void Window::SetHeight(std::int32_t height) {
    contentHeight_ = height;
    ResizeToContent();
}

void Window::SetMinWidth(std::int32_t width) {
    minWidth_ = width;
    ApplySizeLimits();
}

void Window::SetMinHeight(std::int32_t height) {
    minHeight_ = height;
    ApplySizeLimits();
}

void Window::SetMaxWidth(std::int32_t width) {
    maxWidth_ = width;
    ApplySizeLimits();
}

void Window::SetMaxHeight(std::int32_t height) {
    maxHeight_ = height;
    ApplySizeLimits();
}

void Window::SetResizeable(bool resizeable) {
    resizeable_ = resizeable;
    ApplySizeLimits();
}

int Window::MenuBarHeight() const {
    const Widgets& widgets = RequiredWidgets();
    if (widgets.menuBar->isHidden()) return 0;
    widgets.menuBar->ensurePolished();
    int height = widgets.menuBar->heightForWidth(widgets.top->width());
    return height > 0 ? height : widgets.menuBar->sizeHint().height();
}

void Window::PlaceChildren() {
    Widgets& widgets = RequiredWidgets();
    int menuBarHeight = MenuBarHeight();
    int width = widgets.top->width();
    widgets.menuBar->setGeometry(0, 0, width, menuBarHeight);
    widgets.content->setGeometry(0, menuBarHeight, width,
                                 std::max(0, widgets.top->height() - menuBarHeight));
}

void Window::ApplySizeLimits() {
    if (!widgets_) return;
    QWidget& top = *widgets_->top;
    int menuBarHeight = MenuBarHeight();
    if (resizeable_) {
        top.setMinimumSize(minWidth_, minHeight_ + menuBarHeight);
        top.setMaximumSize(maxWidth_, maxHeight_ + menuBarHeight);
    } else {
        top.setFixedSize(contentWidth_, contentHeight_ + menuBarHeight);
    }
}

void Window::ResizeToContent() {
    if (!widgets_) return;
    ApplySizeLimits();
    widgets_->top->resize(contentWidth_, contentHeight_ + MenuBarHeight());
    PlaceChildren();
}

void Window::SetVisible(bool visible) {
    visible_ = visible;
    if (widgets_ && !building_ && open_) ApplyVisibility();
}

void Window::SetFullScreen(bool fullScreen) {
    fullScreen_ = fullScreen;
    if (widgets_ && !building_ && open_) ApplyVisibility();
}

void Window::ApplyVisibility() {
    QWidget& top = *RequiredWidgets().top;
    if (!visible_) {
        top.hide();
    } else if (fullScreen_) {
        top.showFullScreen();
    } else {
        top.showNormal();
    }
    // A new window takes the keyboard, so its menu shortcuts work at once; later shows (the
    // palette coming back) leave the focus where the user has it.
    if (visible_ && !shownBefore_) top.activateWindow();
    shownBefore_ = shownBefore_ || visible_;
}

std::string Window::Title() const { return RequiredWidgets().top->windowTitle().toStdString(); }

void Window::SetTitle(const std::string& title) {
    RequiredWidgets().top->setWindowTitle(QString::fromStdString(title));
}

void Window::SetFrame(std::int32_t frame) {
    frame_ = frame;
    ApplyWindowFlags();
}

void Window::SetCloseButton(bool closeButton) {
    closeButton_ = closeButton;
    ApplyWindowFlags();
}

void Window::SetMinimizeButton(bool minimizeButton) {
    minimizeButton_ = minimizeButton;
    ApplyWindowFlags();
}

void Window::SetMaximizeButton(bool maximizeButton) {
    maximizeButton_ = maximizeButton;
    ApplyWindowFlags();
}

void Window::ApplyWindowFlags() {
    if (!widgets_) return;
    QWidget& top = *widgets_->top;
    Qt::WindowFlags flags = frame_ == kToolWindowFrame ? Qt::Tool | Qt::WindowStaysOnTopHint
                                                       : Qt::WindowFlags(Qt::Window);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_) flags |= Qt::WindowMaximizeButtonHint;
    bool shown = top.isVisible();
    top.setWindowFlags(flags);
    // Changing the flags hides a shown window.
    if (shown) top.show();
}

void Window::SetHasBackColor(bool hasBackColor) {
    hasBackColor_ = hasBackColor;
    ApplyBackColor();
}

void Window::SetBackColor(Color color) {
    backColor_ = color;
    ApplyBackColor();
}

void Window::ApplyBackColor() {
    QWidget& content = *RequiredWidgets().content;
    // Without its own colour the content keeps the platform's, and so do the controls on it.
    QPalette palette;
    if (hasBackColor_) {
        palette.setColor(QPalette::Window,
                         QColor(backColor_.red, backColor_.green, backColor_.blue));
    }
    content.setPalette(palette);
    content.setAutoFillBackground(hasBackColor_);
}

void Window::SetMenuBar(Ref<fw::MenuBar> menuBar) {
    Widgets& widgets = RequiredWidgets();
    if (menuBar_) menuBar_->StopShowingIn(*widgets.menuBar);
    menuBar_ = std::move(menuBar);
    if (menuBar_) menuBar_->ShowIn(*widgets.menuBar);
    SetMenuBarVisible(menuBarVisible_);
}

void Window::SetMenuBarVisible(bool visible) {
    menuBarVisible_ = visible;
    Widgets& widgets = RequiredWidgets();
    widgets.menuBar->setHidden(!(visible && menuBar_));
    // The content area keeps its size; the window grows or shrinks by the bar.
    ResizeToContent();
}

void Window::AddControl(const std::string& name, const Ref<Control>& control) {
    if (!control) throw NilObjectException("no control to add under the name " + name);
    if (control->Window()) {
        throw RuntimeException("the control " + name + " is on a window already");
    }
    if (!control->IsConstructed()) {
        throw RuntimeException("the control " + ControlObjectName(name, control->Index()) +
                               " is not constructed");
    }
    bool taken = control->Index() == Control::kNoIndex
                     ? ControlByName(name) != nullptr
                     : ControlByNameIndex(name, control->Index()) != nullptr;
    if (taken) {
        throw RuntimeException("the window " + ClassOf().Name() + " has a control " +
                               ControlObjectName(name, control->Index()) + " already");
    }
    control->AttachTo(*this);
    control->SetName(name);
    controls_.push_back(control);
    UpdateTabOrder();
}

Ref<Control> Window::ControlByName(std::string_view name) const {
    return ControlByNameIndex(name, Control::kNoIndex);
}

Ref<Control> Window::ControlByNameIndex(std::string_view name, std::int32_t index) const {
    for (const auto& control : controls_) {
        if (control->Name() == name && control->Index() == index) return control;
    }
    return nullptr;
}

Ref<Object> Window::New(const ClassRecord& classRecord) const { return classRecord.NewObject(); }

void Window::UpdateTabOrder() {
    std::vector<Control::TabPlace> order;
    for (const auto& control : controls_) {
        if (std::optional<Control::TabPlace> place = control->TabOrderPlace()) {
            order.push_back(*place);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control::TabPlace& a, const Control::TabPlace& b) {
                         return a.tabIndex < b.tabIndex;
                     });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].widget, order[i].widget);
    }
}

}  // namespace fw
