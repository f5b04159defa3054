#include "framework/runtime/MsgBox.h"

#include <iostream>

namespace fw {
namespace {

void PrintOnStandardError(const std::string& message) {
    std::cerr << "vemo: " << message << std::endl;
}

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter = PrintOnStandardError;
    return presenter;
}

}  // namespace

void MsgBox(const std::string& message) { Presenter()(message); }

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    MessageBoxPresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : PrintOnStandardError;
    return previous;
}

}  // namespace fw
