#include "framework/runtime/BackgroundTask.h"

namespace fw {
namespace {

std::function<void()>& Task() {
    static std::function<void()> task;
    return task;
}

}  // namespace

void RuntimeBackgroundTask() {
    if (Task()) Task()();
}

std::function<void()> SetBackgroundTask(std::function<void()> task) {
    std::function<void()> previous = std::move(Task());
    Task() = std::move(task);
    return previous;
}

}  // namespace fw
