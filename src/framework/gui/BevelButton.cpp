#include "framework/gui/BevelButton.h"

#include <QApplication>
#include <QPushButton>

#include "framework/gui/DesignProperties.h"
#include "framework/gui/PluginEntrypoints.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {
namespace {

QPushButton& Button(QWidget& widget) { return static_cast<QPushButton&>(widget); }

}  // namespace

const ClassRecord& BevelButton::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "BevelButton",
        .base = &RectControl::ClassInfo(),
        .events = {"Action"},
        .designProperties = {DesignSetter("TabStop", &BevelButton::SetTabStop),
                             DesignSetter("Caption", &BevelButton::SetCaption),
                             IgnoredDesignProperty("CaptionAlign", DesignType::Int32),
                             IgnoredDesignProperty("CaptionPlacement", DesignType::Int32),
                             IgnoredDesignProperty("CaptionDelta", DesignType::Int32),
                             IgnoredDesignProperty("IconAlign", DesignType::Int32),
                             IgnoredDesignProperty("IconDX", DesignType::Int32),
                             IgnoredDesignProperty("IconDY", DesignType::Int32),
                             IgnoredDesignProperty("Bevel", DesignType::Int32),
                             IgnoredDesignProperty("HasMenu", DesignType::Int32),
                             DesignSetter("HasBackColor", &BevelButton::SetHasBackColor),
                             DesignSetter("BackColor", &BevelButton::SetBackColor),
                             DesignSetter("TextColor", &BevelButton::SetTextColor),
                             DesignSetter("Value", &BevelButton::SetValue),
                             IgnoredDesignProperty("MenuValue", DesignType::Int32),
                             DesignSetter("ButtonType", &BevelButton::SetButtonType),
                             DesignSetter("AcceptFocus", &BevelButton::SetAcceptFocus)},
        .create = [] { return std::make_shared<BevelButton>(); },
    });
    return record;
}

std::unique_ptr<QWidget> BevelButton::MakeWidget() {
    auto button = std::make_unique<QPushButton>();
    QObject::connect(button.get(), &QPushButton::clicked, [this] { RaiseEvent("Action"); });
    return button;
}

void BevelButton::RegisterPluginEntrypoints() {
    using Self = BevelButton;
    RegisterPluginEntrypoint("BevelButton.Caption.Get",
                             std::function<std::string(const Self&)>([](const Self& button) {
                                 return Button(button.RequiredWidget()).text().toStdString();
                             }));
    RegisterPluginEntrypoint(
        "BevelButton.Caption.Set",
        std::function<void(Self&, const std::string&)>([](Self& button, const std::string& text) {
            Button(button.RequiredWidget()).setText(QString::fromStdString(text));
        }));
    RegisterPluginEntrypoint("BevelButton.TextSize.Get",
                             std::function<float(const Self&)>(
                                 [](const Self& button) { return button.TextSizeValue(); }));
    RegisterPluginEntrypoint("BevelButton.TextSize.Set",
                             std::function<void(Self&, float)>(
                                 [](Self& button, float size) { button.ApplyTextSize(size); }));
    RegisterPluginEntrypoint("BevelButton.TextUnit.Get",
                             std::function<std::uint8_t(const Self&)>(
                                 [](const Self& button) { return button.TextUnitValue(); }));
    RegisterPluginEntrypoint("BevelButton.TextUnit.Set", std::function<void(Self&, std::uint8_t)>(
                                                             [](Self& button, std::uint8_t unit) {
                                                                 button.ApplyTextUnit(unit);
                                                             }));
}

std::string BevelButton::Caption() const {
    return PluginEntrypoint<std::string(const BevelButton&)>("BevelButton.Caption.Get")(*this);
}

void BevelButton::SetCaption(const std::string& caption) {
    PluginEntrypoint<void(BevelButton&, const std::string&)>("BevelButton.Caption.Set")(*this,
                                                                                        caption);
}

float BevelButton::TextSize() const {
    return PluginEntrypoint<float(const BevelButton&)>("BevelButton.TextSize.Get")(*this);
}

void BevelButton::SetTextSize(float size) {
    PluginEntrypoint<void(BevelButton&, float)>("BevelButton.TextSize.Set")(*this, size);
}

std::uint8_t BevelButton::TextUnit() const {
    return PluginEntrypoint<std::uint8_t(const BevelButton&)>("BevelButton.TextUnit.Get")(*this);
}

void BevelButton::SetTextUnit(std::uint8_t unit) {
    PluginEntrypoint<void(BevelButton&, std::uint8_t)>("BevelButton.TextUnit.Set")(*this, unit);
}

void BevelButton::SetHasBackColor(bool hasBackColor) {
    hasBackColor_ = hasBackColor;
    ApplyColors();
}

void BevelButton::SetBackColor(Color color) {
    backColor_ = color;
    ApplyColors();
}

void BevelButton::SetTextColor(Color color) {
    textColor_ = color;
    textColorSet_ = true;
    ApplyColors();
}

void BevelButton::ApplyColors() {
    QPushButton& button = Button(RequiredWidget());
    QPalette palette = QApplication::palette(&button);
    if (hasBackColor_) {
        palette.setColor(QPalette::Button,
                         QColor(backColor_.red, backColor_.green, backColor_.blue));
    }
    if (textColorSet_) {
        palette.setColor(QPalette::ButtonText,
                         QColor(textColor_.red, textColor_.green, textColor_.blue));
    }
    button.setPalette(palette);
}

void BevelButton::SetButtonType(std::int32_t type) {
    if (type < 0 || type > 2) {
        throw RuntimeException("button type " + std::to_string(type) + " of " +
                               ControlObjectName(Name(), Index()) + " is not one of 0 to 2");
    }
    Button(RequiredWidget()).setCheckable(type != 0);
}

void BevelButton::SetValue(bool value) { Button(RequiredWidget()).setChecked(value); }

}  // namespace fw
