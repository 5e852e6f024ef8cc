# Install rules: the library, its header, a CMake package, a pkg-config file and the docs.
# Every generated file finds the prefix from its own location, so the installed
# tree can be moved or installed with `cmake --install --prefix` anywhere.
include(CMakePackageConfigHelpers)

set(ZELMAR_FLAGROW_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zelmar_flagrow)

install(TARGETS zelmar_flagrow EXPORT zelmar_flagrow-targets
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/INCLUDE/ZELMAR_FLAGROW.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/INCLUDE/zelmar_flagrow
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT zelmar_flagrow-targets NAMESPACE zelmar_flagrow::
        DESTINATION ${ZELMAR_FLAGROW_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/zelmar_flagrow-config.cmake.in
  ${PROJECT_BINARY_DIR}/zelmar_flagrow-config.cmake
  INSTALL_DESTINATION ${ZELMAR_FLAGROW_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zelmar_flagrow-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zelmar_flagrow-config.cmake
              ${PROJECT_BINARY_DIR}/zelmar_flagrow-config-version.cmake
        DESTINATION ${ZELMAR_FLAGROW_CMAKE_DIR})

# pkg-config knows the .pc file's own folder as ${pcfiledir}; the way up from
# there to the prefix depends only on the relative library folder.
file(RELATIVE_PATH ZELMAR_FLAGROW_PC_TO_PREFIX
     /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" ZELMAR_FLAGROW_PC_TO_PREFIX ${ZELMAR_FLAGROW_PC_TO_PREFIX})
configure_file(${CMAKE_CURRENT_LIST_DIR}/zelmar_flagrow.pc.in
               ${PROJECT_BINARY_DIR}/zelmar_flagrow.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zelmar_flagrow.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

file(GLOB ZELMAR_FLAGROW_DOCS ${PROJECT_SOURCE_DIR}/docs/*.md)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
zelmar_flagrow_gzip(${PROJECT_BINARY_DIR}/changelog ZELMAR_FLAGROW_CHANGELOG)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${ZELMAR_FLAGROW_DOCS}
              ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${ZELMAR_FLAGROW_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
