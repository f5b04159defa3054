#include <csignal>
#include <iostream>

#include "chartservice/ChartServer.h"
#include "chartservice/ServiceOptions.h"
#include "chartservice/ShutdownSignals.h"

int main(int argc, char** argv) {
    using namespace chartservice;
    ServiceOptionsParse parse = ParseServiceOptions({argv + 1, argv + argc});
    if (!parse) {
        std::cerr << "qrchartd: " << parse.error << "\n" << kServiceUsage << "\n";
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    RequestLimits limits;
    limits.deadline = std::chrono::seconds(parse.options.requestTimeoutSeconds);
    ChartServer server(limits);
    ShutdownSignals signals([&server] { server.Stop(); });
    ServerBinding binding = server.Bind(parse.options.host, parse.options.port);
    if (!binding) {
        std::cerr << "qrchartd: " << binding.error << "\n";
        return 1;
    }
    std::cout << "qrchartd listening on " << parse.options.host << ":" << binding.port << std::endl;
    server.Run();
    return 0;
}
