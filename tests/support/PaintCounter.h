#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

// Counts the paint events that reach a widget and notes, at each, what `probe` reads then
// (the text a label is about to draw, for instance).
class PaintCounter : public QObject {
  public:
    PaintCounter(QWidget& widget, std::function<std::string()> probe);
    ~PaintCounter() override;

    int Count() const { return static_cast<int>(seen_.size()); }
    const std::vector<std::string>& Seen() const { return seen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& widget_;
    std::function<std::string()> probe_;
    std::vector<std::string> seen_;
};
