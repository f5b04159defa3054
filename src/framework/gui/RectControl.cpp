#include "framework/gui/RectControl.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "framework/gui/DesignProperties.h"
#include "framework/gui/Window.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {
namespace {

// Raises the control's MouseEnter when the pointer enters its widget.
class EnterWatcher : public QObject {
  public:
    EnterWatcher(RectControl& control, QWidget& widget) : QObject(&widget), control_(control) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) control_.RaiseEvent("MouseEnter");
        return QObject::eventFilter(watched, event);
    }

  private:
    RectControl& control_;
};

constexpr std::uint8_t kLastTextUnit = 4;

}  // namespace

const ClassRecord& RectControl::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "RectControl",
        .base = &Control::ClassInfo(),
        .operations = {"Constructor()", "Refresh(Boolean)"},
        .events = {"MouseEnter"},
        .designProperties = {DesignSetter("Left", &RectControl::SetLeft),
                             DesignSetter("Top", &RectControl::SetTop),
                             DesignSetter("Width", &RectControl::SetWidth),
                             DesignSetter("Height", &RectControl::SetHeight),
                             IgnoredDesignProperty("LockLeft", DesignType::Boolean),
                             IgnoredDesignProperty("LockTop", DesignType::Boolean),
                             IgnoredDesignProperty("LockRight", DesignType::Boolean),
                             IgnoredDesignProperty("LockBottom", DesignType::Boolean),
                             IgnoredDesignProperty("TabPanelIndex", DesignType::Int32),
                             DesignSetter("TabIndex", &RectControl::SetTabIndex),
                             DesignSetter("Visible", &RectControl::SetVisible),
                             DesignSetter("Enabled", &RectControl::SetEnabled),
                             DesignSetter("HelpTag", &RectControl::SetHelpTag),
                             IgnoredDesignProperty("AutoDeactivate", DesignType::Boolean),
                             IgnoredDesignProperty("InitialParent", DesignType::Text),
                             DesignSetter("TextFont", &RectControl::SetTextFont),
                             DesignSetter("Bold", &RectControl::SetBold),
                             DesignSetter("Italic", &RectControl::SetItalic),
                             DesignSetter("Underline", &RectControl::SetUnderline)},
    });
    return record;
}

struct RectControl::OwnedWidget {
    QPointer<QWidget> widget;
};

RectControl::RectControl() = default;

RectControl::~RectControl() {
    if (widget_) delete widget_->widget.data();
}

QWidget* RectControl::Widget() const { return widget_ ? widget_->widget.data() : nullptr; }

void RectControl::Constructor() {
    if (widget_) throw RuntimeException("the control " + Name() + " is constructed already");
    QWidget* widget = MakeWidget().release();
    widget_ = std::make_unique<OwnedWidget>(OwnedWidget{widget});
    widget->hide();
    widget->installEventFilter(new EnterWatcher(*this, *widget));
    NameOrIndexChanged();
    ApplyFocusPolicy();
}

QWidget& RectControl::RequiredWidget() const {
    QWidget* widget = Widget();
    if (!widget) {
        throw RuntimeException("the control " + ControlObjectName(Name(), Index()) +
                               " is used before its Constructor ran");
    }
    return *widget;
}

std::int32_t RectControl::Left() const { return RequiredWidget().x(); }
std::int32_t RectControl::Top() const { return RequiredWidget().y(); }
std::int32_t RectControl::Width() const { return RequiredWidget().width(); }
std::int32_t RectControl::Height() const { return RequiredWidget().height(); }

void RectControl::SetLeft(std::int32_t left) { RequiredWidget().move(left, Top()); }
void RectControl::SetTop(std::int32_t top) { RequiredWidget().move(Left(), top); }
void RectControl::SetWidth(std::int32_t width) { RequiredWidget().resize(width, Height()); }
void RectControl::SetHeight(std::int32_t height) { RequiredWidget().resize(Width(), height); }

void RectControl::SetTabIndex(std::int32_t tabIndex) {
    tabIndex_ = tabIndex;
    TabOrderChanged();
}

void RectControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    ApplyFocusPolicy();
    TabOrderChanged();
}

void RectControl::SetAcceptFocus(bool acceptFocus) {
    acceptFocus_ = acceptFocus;
    ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
    QWidget* widget = Widget();
    if (!widget) return;
    if (!TakesFocus() || !tabStop_) {
        widget->setFocusPolicy(Qt::NoFocus);
    } else {
        widget->setFocusPolicy(acceptFocus_ ? Qt::StrongFocus : Qt::TabFocus);
    }
}

void RectControl::TabOrderChanged() {
    if (Ref<fw::Window> window = Window()) window->UpdateTabOrder();
}

void RectControl::SetVisible(bool visible) {
    visible_ = visible;
    if (Window()) RequiredWidget().setVisible(visible);
}

bool RectControl::Enabled() const { return RequiredWidget().isEnabled(); }
void RectControl::SetEnabled(bool enabled) { RequiredWidget().setEnabled(enabled); }

void RectControl::SetHelpTag(const std::string& helpTag) {
    RequiredWidget().setToolTip(QString::fromStdString(helpTag));
}

void RectControl::SetTextFont(const std::string& family) {
    textFont_ = family;
    ApplyFont();
}

void RectControl::SetBold(bool bold) {
    bold_ = bold;
    ApplyFont();
}

void RectControl::SetItalic(bool italic) {
    italic_ = italic;
    ApplyFont();
}

void RectControl::SetUnderline(bool underline) {
    underline_ = underline;
    ApplyFont();
}

void RectControl::ApplyTextSize(float size) {
    textSize_ = size;
    ApplyFont();
}

void RectControl::ApplyTextUnit(std::uint8_t unit) {
    if (unit > kLastTextUnit) {
        throw RuntimeException("text unit " + std::to_string(unit) + " of " +
                               ControlObjectName(Name(), Index()) + " is not one of 0 to 4");
    }
    textUnit_ = unit;
    ApplyFont();
}

void RectControl::ApplyFont() {
    QWidget& widget = RequiredWidget();
    QFont font = QApplication::font();
    // "System" names the platform's own interface font.
    if (!textFont_.empty() && textFont_ != "System") {
        font.setFamily(QString::fromStdString(textFont_));
    }
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    if (textSize_ > 0) {
        constexpr double kPointsPerInch = 72.0;
        constexpr double kMillimetresPerInch = 25.4;
        switch (textUnit_) {
            case 2:
                font.setPointSizeF(textSize_);
                break;
            case 3:
                font.setPointSizeF(textSize_ * kPointsPerInch);
                break;
            case 4:
                font.setPointSizeF(textSize_ * kPointsPerInch / kMillimetresPerInch);
                break;
            default:
                font.setPixelSize(qRound(textSize_));
                break;
        }
    }
    widget.setFont(font);
}

void RectControl::Refresh(bool /*eraseBackground*/) { RequiredWidget().repaint(); }

std::optional<Control::TabPlace> RectControl::TabOrderPlace() const {
    QWidget* widget = Widget();
    if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) return std::nullopt;
    return TabPlace{widget, tabIndex_};
}

void RectControl::AttachTo(fw::Window& window) {
    QWidget& widget = RequiredWidget();
    Control::AttachTo(window);
    widget.setParent(window.ContentWidget());
    widget.setVisible(visible_);
}

void RectControl::DetachFromWindow() {
    if (QWidget* widget = Widget()) {
        widget->hide();
        widget->setParent(nullptr);
    }
    Control::DetachFromWindow();
}

void RectControl::NameOrIndexChanged() {
    if (QWidget* widget = Widget())
        widget->setObjectName(QString::fromStdString(ControlObjectName(Name(), Index())));
}

}  // namespace fw
