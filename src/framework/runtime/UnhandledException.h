#pragma once

#include <exception>
#include <functional>
#include <string>

namespace fw {

// The class name of a caught exception: a RuntimeException's own, "std::exception" for other
// standard exceptions, "unknown exception" for anything else.
std::string ExceptionClassName(const std::exception_ptr& exception);
// The message of a caught standard exception (what()); the empty text for anything else.
std::string ExceptionMessage(const std::exception_ptr& exception);

// The default handling of an exception that nothing else handled: it is reported, and the
// process goes on. The default report is one line on standard error that names the class.
void UnhandledException(const std::exception_ptr& exception);

using UnhandledExceptionReporter =
    std::function<void(const std::string& className, const std::string& message)>;

// Replaces the report (tests collect it); gives back the one it replaces. An empty reporter
// restores the default.
UnhandledExceptionReporter SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter);

}  // namespace fw
