# Install rules: the library, its headers, a CMake package, a pkg-config file and the docs.
# Every generated file finds the prefix from its own location, so the installed
# tree can be moved or installed with `cmake --install --prefix` anywhere.
# Each file belongs to one install component, and each component is one Debian package
# (packaging.cmake): `library` the shared library alone, `development` what building against
# it takes, `program` the console program (demo/CMakeLists.txt).
include(CMakePackageConfigHelpers)

set(ZELMAR_FLAGROW_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zelmar_flagrow)

# The package of each component (Debian's package names take no '_'); a static library leaves the
# library package nothing to hold.
set(ZELMAR_FLAGROW_PACKAGE_library libzelmar-flagrow${PROJECT_VERSION_MAJOR})
set(ZELMAR_FLAGROW_PACKAGE_development libzelmar-flagrow-dev)
set(ZELMAR_FLAGROW_PACKAGE_program zelmar-flagrow)
set(ZELMAR_FLAGROW_COMPONENTS development)
if(BUILD_SHARED_LIBS)
  list(PREPEND ZELMAR_FLAGROW_COMPONENTS library)
endif()
if(TARGET zelmar_flagrow_demo)
  list(APPEND ZELMAR_FLAGROW_COMPONENTS program)
endif()
foreach(component IN LISTS ZELMAR_FLAGROW_COMPONENTS)
  set(ZELMAR_FLAGROW_DOCDIR_${component}
      ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ZELMAR_FLAGROW_PACKAGE_${component}})
endforeach()

install(TARGETS zelmar_flagrow EXPORT zelmar_flagrow-targets
        LIBRARY COMPONENT library NAMELINK_COMPONENT development
        ARCHIVE COMPONENT development
        RUNTIME COMPONENT library
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The public header and the headers of its bodies, which it includes from zelmar_flagrow/.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/INCLUDE/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT development FILES_MATCHING PATTERN "*.h")
install(EXPORT zelmar_flagrow-targets NAMESPACE zelmar_flagrow::
        DESTINATION ${ZELMAR_FLAGROW_CMAKE_DIR} COMPONENT development)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/zelmar_flagrow-config.cmake.in
  ${PROJECT_BINARY_DIR}/zelmar_flagrow-config.cmake
  INSTALL_DESTINATION ${ZELMAR_FLAGROW_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zelmar_flagrow-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zelmar_flagrow-config.cmake
              ${PROJECT_BINARY_DIR}/zelmar_flagrow-config-version.cmake
        DESTINATION ${ZELMAR_FLAGROW_CMAKE_DIR} COMPONENT development)

# pkg-config knows the .pc file's own folder as ${pcfiledir}; the way up from
# there to the prefix depends only on the relative library folder.
file(RELATIVE_PATH ZELMAR_FLAGROW_PC_TO_PREFIX
     /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" ZELMAR_FLAGROW_PC_TO_PREFIX ${ZELMAR_FLAGROW_PC_TO_PREFIX})
configure_file(${CMAKE_CURRENT_LIST_DIR}/zelmar_flagrow.pc.in
               ${PROJECT_BINARY_DIR}/zelmar_flagrow.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zelmar_flagrow.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# Every package carries the copyright and the changelog in a documentation folder named after
# itself, as Debian asks; the guide and the API reference go with the development files.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
zelmar_flagrow_gzip(${PROJECT_BINARY_DIR}/changelog ZELMAR_FLAGROW_CHANGELOG)
foreach(component IN LISTS ZELMAR_FLAGROW_COMPONENTS)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${ZELMAR_FLAGROW_CHANGELOG}
          DESTINATION ${ZELMAR_FLAGROW_DOCDIR_${component}} COMPONENT ${component})
endforeach()
# The pictures the pages show go beside them, so that their links hold where they are installed.
file(GLOB ZELMAR_FLAGROW_DOCS ${PROJECT_SOURCE_DIR}/docs/*.md ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${ZELMAR_FLAGROW_DOCS}
        DESTINATION ${ZELMAR_FLAGROW_DOCDIR_development} COMPONENT development)
if(TARGET zelmar_flagrow_reference)
  install(DIRECTORY ${ZELMAR_FLAGROW_REFERENCE_HTML}
          DESTINATION ${ZELMAR_FLAGROW_DOCDIR_development} COMPONENT development)
endif()
