# The Debian packages, made by `cpack -G DEB` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr, so that GNUInstallDirs picks the multiarch library folder.
# One package per install component (install.cmake names them): with BUILD_SHARED_LIBS=ON the
# library package holds the shared library with its SONAME, and every package's dependencies
# are read from what its binaries link against (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME zelmar-flagrow)
set(CPACK_PACKAGE_VENDOR "The zelmar_flagrow team")
set(CPACK_PACKAGE_CONTACT "The zelmar_flagrow team <team@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://zelmar-flagrow.example.org/)
# Each package's description below starts with its own synopsis.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${ZELMAR_FLAGROW_COMPONENTS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program's package finds the library it links against in this build, not on the system.
get_target_property(library_dir zelmar_flagrow BINARY_DIR)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${library_dir})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
foreach(component IN LISTS ZELMAR_FLAGROW_COMPONENTS)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${ZELMAR_FLAGROW_PACKAGE_${component}})
endforeach()

set(summary "fast, exact C++20 bit vector of up to 4294967295 bits")
set(about "The C++20 class Quandrelissa::ZELMAR_FLAGROW keeps up to 4294967295 bits in
32-bit words: sizing with fills and patterns, single bits, ranges, counting,
searching, comparison, logical combination, shifts, growth and import and
export as text and as arrays of words. Misuse throws an error with a code and
the place of the failing check.")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "${summary} (shared library)\n${about}\n.
This package holds the shared library.")
# The loader's cache is brought up to date by libc's trigger, as Debian asks of a shared library.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "${summary} (development files)\n${about}\n.
This package holds the headers, the link to the shared library, the CMake and
pkg-config files, the guide and the API reference in HTML.")

set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "console program demonstrating a C++20 bit vector
The console program zelmar_flagrow demonstrates, in Russian, every operation of
Quandrelissa::ZELMAR_FLAGROW, a C++20 bit vector of up to 4294967295 bits.")

# Both take the library package of exactly this version.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
if(BUILD_SHARED_LIBS)
  set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS library)
  set(CPACK_COMPONENT_PROGRAM_DEPENDS library)
endif()

# CPack writes maintainer scripts that call ldconfig into any package with a shared library
# under /usr/lib; the trigger above does that work, so the scripts are taken out again.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian/drop_ldconfig_scripts.cmake)

include(CPack)
