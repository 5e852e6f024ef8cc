// Runs a fuzz target over stored inputs without libFuzzer, so that every
// compiler's build replays the seed corpora and the inputs that once failed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "read_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
    const std::string bytes = zf_test::readFile(file);
    std::printf("%s (%zu bytes)\n", file.filename().c_str(), bytes.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path path(argv[k]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                replay(entry.path());
                ++replayed;
            }
        } else {
            replay(path);
            ++replayed;
        }
    }
    // An empty corpus would pass without testing anything.
    return replayed == 0 ? 1 : 0;
}
