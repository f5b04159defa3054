#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace chartservice_test {

// A qrchartd process of the build, started with the given arguments. The port comes from the
// line it prints when ready. A process still running when this object goes is killed.
class QrchartdProcess {
  public:
    explicit QrchartdProcess(const std::vector<std::string>& arguments = {"--port", "0"});
    // The same for another qrchartd program, such as an earlier build to compare with.
    QrchartdProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~QrchartdProcess();
    QrchartdProcess(const QrchartdProcess&) = delete;
    QrchartdProcess& operator=(const QrchartdProcess&) = delete;

    // The line the process printed (without its LF), empty when it printed none within 10 s.
    const std::string& ReadyLine() const { return readyLine_; }
    // The port in the ready line, or 0.
    int Port() const { return port_; }
    // The process, or -1 when it could not be started or has ended.
    pid_t Pid() const { return pid_; }

    // Sends the signal and waits up to 10 s for the process to end; gives its exit status as
    // waitpid reports it, or -1 when it did not end in time.
    int StopWith(int signal);
    // Waits up to 10 s for the process to end by itself; as StopWith.
    int Wait();

  private:
    pid_t pid_ = -1;
    std::string readyLine_;
    int port_ = 0;
};

}  // namespace chartservice_test
