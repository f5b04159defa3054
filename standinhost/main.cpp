#include <string>
#include <vector>

#include "standinhost/Commands.h"

// One program for every script of the stand-in host: it acts by the name it was started under.
int main(int argc, char** argv) {
    const std::string path = argc > 0 ? argv[0] : "";
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return standinhost::Commands::Run(name, std::vector<std::string>(argv + 1, argv + argc));
}
