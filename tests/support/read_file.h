// A whole file as one string of bytes.
#ifndef ZELMAR_FLAGROW_TESTS_READ_FILE_H
#define ZELMAR_FLAGROW_TESTS_READ_FILE_H

#include <filesystem>
#include <string>

namespace zf_test {

/// The bytes of `path`, untranslated; throws std::runtime_error when it cannot be opened, so a
/// misnamed file fails its test instead of passing as an empty one.
std::string readFile(const std::filesystem::path& path);

}  // namespace zf_test

#endif  // ZELMAR_FLAGROW_TESTS_READ_FILE_H
