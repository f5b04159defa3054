#include "chartservice/ShutdownSignals.h"

#include <pthread.h>
#include <signal.h>

namespace chartservice {
namespace {

sigset_t ShutdownSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal) {
    sigset_t set = ShutdownSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    waiter_ = std::thread([this, set, onSignal = std::move(onSignal)] {
        int signal = 0;
        sigwait(&set, &signal);
        if (!closing_) onSignal();
    });
}

ShutdownSignals::~ShutdownSignals() {
    closing_ = true;
    // Wakes the waiter from sigwait; a waiter that has already taken a signal lets this one
    // pass unseen.
    pthread_kill(waiter_.native_handle(), SIGTERM);
    waiter_.join();
}

}  // namespace chartservice
