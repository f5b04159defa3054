#include "framework/gui/StaticText.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include "framework/gui/DesignProperties.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {
namespace {

QLabel& Label(QWidget& widget) { return static_cast<QLabel&>(widget); }

// A label whose wrapped lines are set one text size apart, not a font height apart: four lines
// of 10-pixel text fit 41 pixels, where the font's own line spacing shows three.
class WrappingLabel : public QLabel {
  protected:
    void paintEvent(QPaintEvent* event) override {
        // A selectable text is drawn by the label's text control, with its selection.
        if (!wordWrap() || textInteractionFlags() != Qt::NoTextInteraction) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect();
        QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(layoutDirection());
        QTextLayout layout(text(), font());
        layout.setTextOption(option);
        const int pitch = QFontInfo(font()).pixelSize();
        layout.beginLayout();
        for (int row = 0;; ++row) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, row * pitch));
        }
        layout.endLayout();
        const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                           : isActiveWindow() ? QPalette::Active
                                                              : QPalette::Inactive;
        painter.setPen(palette().color(group, foregroundRole()));
        layout.draw(&painter, area.topLeft());
    }
};

}  // namespace

const ClassRecord& StaticText::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "StaticText",
        .base = &RectControl::ClassInfo(),
        .designProperties = {DesignSetter("Text", &StaticText::SetText),
                             DesignSetter("TextAlign", &StaticText::SetTextAlign),
                             DesignSetter("TextColor", &StaticText::SetTextColor),
                             DesignSetter("Multiline", &StaticText::SetMultiline),
                             DesignSetter("Selectable", &StaticText::SetSelectable),
                             DesignSetter("Transparent", &StaticText::SetTransparent),
                             IgnoredDesignProperty("DataSource", DesignType::Text),
                             IgnoredDesignProperty("DataField", DesignType::Text)},
        .create = [] { return std::make_shared<StaticText>(); },
    });
    return record;
}

std::unique_ptr<QWidget> StaticText::MakeWidget() {
    auto label = std::make_unique<WrappingLabel>();
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    return label;
}

std::string StaticText::Text() const { return Label(RequiredWidget()).text().toStdString(); }

void StaticText::SetText(const std::string& text) {
    Label(RequiredWidget()).setText(QString::fromStdString(text));
}

bool StaticText::Multiline() const { return Label(RequiredWidget()).wordWrap(); }

void StaticText::SetMultiline(bool multiline) { Label(RequiredWidget()).setWordWrap(multiline); }

void StaticText::SetTextAlign(std::int32_t align) {
    Qt::Alignment horizontal;
    switch (align) {
        case 0:
        case 1:
            horizontal = Qt::AlignLeft;
            break;
        case 2:
            horizontal = Qt::AlignHCenter;
            break;
        case 3:
            horizontal = Qt::AlignRight;
            break;
        default:
            throw RuntimeException("text alignment " + std::to_string(align) + " of " +
                                   ControlObjectName(Name(), Index()) + " is not one of 0 to 3");
    }
    Label(RequiredWidget()).setAlignment(horizontal | Qt::AlignTop);
}

void StaticText::SetTextColor(Color color) {
    QLabel& label = Label(RequiredWidget());
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    label.setPalette(palette);
}

void StaticText::SetSelectable(bool selectable) {
    Label(RequiredWidget())
        .setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void StaticText::SetTransparent(bool transparent) {
    Label(RequiredWidget()).setAutoFillBackground(!transparent);
}

}  // namespace fw
