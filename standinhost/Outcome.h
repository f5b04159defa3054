#pragma once

#include <string>
#include <utility>
#include <variant>

namespace standinhost {

// A value, or the one-line reason why there is none.
template <typename T>
class Outcome {
  public:
    Outcome(T value) : state_(std::move(value)) {}
    static Outcome Failure(std::string reason) { return Outcome(Failed{std::move(reason)}); }

    explicit operator bool() const { return state_.index() == 0; }
    const T& operator*() const { return std::get<0>(state_); }
    T& operator*() { return std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    // Empty when there is a value.
    std::string Reason() const { return *this ? std::string() : std::get<1>(state_).text; }

  private:
    struct Failed {
        std::string text;
    };
    explicit Outcome(Failed failed) : state_(std::move(failed)) {}

    std::variant<T, Failed> state_;
};

}  // namespace standinhost
