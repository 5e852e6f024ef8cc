// Where an error of the library's own sources is recorded, and the failures that arise outside
// the members' own checks.
#ifndef ZELMAR_FLAGROW_ERRORS_H
#define ZELMAR_FLAGROW_ERRORS_H

#include <cstdint>
#include <string_view>

namespace Quandrelissa::detail {

/// `path` (a __FILE__) from the library's source folder on: the name an error gives, relative to
/// the project root wherever the build tree lies.
consteval const char* sourceName(const char* path) {
    constexpr std::string_view kFolder = "ishodniki/";
    const std::string_view whole(path);
    const std::size_t at = whole.rfind(kFolder);
    return at == std::string_view::npos ? path : path + at;
}

/// Throws code 6 recorded at `file` and `line`, the check or allocation that failed: storage
/// could not be had, from the word array or a standard container.
[[noreturn]] void outOfMemory(const char* file, std::int32_t line);

}  // namespace Quandrelissa::detail

/// The file and line of the check where it stands, as an error records them.
#define ZELMAR_FLAGROW_HERE ::Quandrelissa::detail::sourceName(__FILE__), __LINE__

#endif  // ZELMAR_FLAGROW_ERRORS_H
