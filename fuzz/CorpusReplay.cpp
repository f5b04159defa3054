// Replays a fuzz target's corpus without libFuzzer: every file in the folders named on the
// command line goes through the target once, so an input that once crashed it stays fixed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> CorpusFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& file : CorpusFiles(argv[i])) {
            std::cout << "replaying " << file.string() << std::endl;
            std::string bytes = Contents(file);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    // An empty or misnamed corpus must fail, never pass for want of inputs.
    if (replayed == 0) {
        std::cerr << "no corpus files found\n";
        return 1;
    }
    std::cout << replayed << " inputs replayed\n";
    return 0;
}
