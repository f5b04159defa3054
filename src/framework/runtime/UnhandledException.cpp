#include "framework/runtime/UnhandledException.h"

#include <iostream>

#include "framework/runtime/RuntimeException.h"

namespace fw {
namespace {

void ReportOnStandardError(const std::string& className, const std::string& message) {
    std::cerr << "vemo: unhandled " << className;
    if (!message.empty()) std::cerr << ": " << message;
    std::cerr << std::endl;
}

UnhandledExceptionReporter& Reporter() {
    static UnhandledExceptionReporter reporter = ReportOnStandardError;
    return reporter;
}

}  // namespace

std::string ExceptionClassName(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return e.ClassName();
    } catch (const std::exception&) {
        return "std::exception";
    } catch (...) {
        return "unknown exception";
    }
}

std::string ExceptionMessage(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

void UnhandledException(const std::exception_ptr& exception) {
    if (!exception) return;
    Reporter()(ExceptionClassName(exception), ExceptionMessage(exception));
}

UnhandledExceptionReporter SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter) {
    UnhandledExceptionReporter previous = std::move(Reporter());
    Reporter() = reporter ? std::move(reporter) : ReportOnStandardError;
    return previous;
}

}  // namespace fw
