#include "read_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zf_test {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace zf_test
