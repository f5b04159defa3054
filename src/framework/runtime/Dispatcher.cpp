#include "framework/runtime/Dispatcher.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "framework/runtime/UnhandledException.h"

namespace fw {
namespace {

struct KeptRequest {
    const void* key;
    std::function<void()> request;
};

bool running = false;

std::vector<KeptRequest>& Kept() {
    static std::vector<KeptRequest> kept;
    return kept;
}

void RunHandler(const std::function<void()>& handler) {
    std::exception_ptr escaped;
    running = true;
    try {
        handler();
    } catch (...) {
        escaped = std::current_exception();
    }
    running = false;
    UnhandledException(escaped);
}

// Each kept request is taken off before it runs, so one kept while it runs is kept anew.
void RunKeptRequests() {
    while (!Kept().empty()) {
        KeptRequest next = std::move(Kept().front());
        Kept().erase(Kept().begin());
        RunHandler(next.request);
    }
}

}  // namespace

bool DispatchEvent(const std::function<void()>& handler) {
    if (running) return false;
    RunHandler(handler);
    RunKeptRequests();
    return true;
}

bool DispatchOrKeep(const void* key, std::function<void()> request) {
    if (!running) return DispatchEvent(request);
    auto& kept = Kept();
    bool known =
        std::any_of(kept.begin(), kept.end(), [key](const KeptRequest& k) { return k.key == key; });
    if (!known) kept.push_back({key, std::move(request)});
    return false;
}

bool IsDispatching() { return running; }

}  // namespace fw
