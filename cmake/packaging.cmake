# The Debian package, made by `cpack -G DEB` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr, so that GNUInstallDirs picks the multiarch library folder.
# Build with BUILD_SHARED_LIBS=ON for the shared library with its SONAME; the package's
# dependencies are then read from what that library and the program link against.
set(CPACK_PACKAGE_NAME zelmar-flagrow)
set(CPACK_PACKAGE_VENDOR "The zelmar_flagrow team")
set(CPACK_PACKAGE_CONTACT "The zelmar_flagrow team <team@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fast, exact C++20 bit vector of up to 4294967295 bits")
set(CPACK_PACKAGE_HOMEPAGE_URL https://zelmar-flagrow.example.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The loader's cache is brought up to date by libc's trigger, as Debian asks of a shared library.
if(BUILD_SHARED_LIBS)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
endif()
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The C++20 class Quandrelissa::ZELMAR_FLAGROW keeps up to 4294967295 bits in
32-bit words: sizing with fills and patterns, single bits, ranges, counting,
searching, comparison, logical combination, shifts, growth and import and
export as text and as arrays of words. Misuse throws an error with a code and
the place of the failing check.
.
This package holds the header, the library, its CMake and pkg-config files,
the console program zelmar_flagrow that demonstrates every operation in
Russian, and the documentation.")

include(CPack)
