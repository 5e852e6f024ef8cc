# The API reference: HTML that Doxygen makes from the comments of the public headers, with the
# guide's pages beside it and docs/reference.md as the front page. With ZELMAR_FLAGROW_WERROR its
# warnings are errors, so an undocumented or misdocumented public member fails the build. The implementation's own
# namespace, Quandrelissa::detail, is no part of the reference.
option(ZELMAR_FLAGROW_REFERENCE "Build the API reference with Doxygen" OFF)
if(NOT ZELMAR_FLAGROW_REFERENCE)
  return()
endif()
find_package(Doxygen 1.9 REQUIRED)

set(DOXYGEN_PROJECT_NAME zelmar_flagrow)
set(DOXYGEN_PROJECT_NUMBER ${PROJECT_VERSION})
set(DOXYGEN_PROJECT_BRIEF "${PROJECT_DESCRIPTION}")
set(DOXYGEN_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/reference)
set(DOXYGEN_STRIP_FROM_PATH ${PROJECT_SOURCE_DIR}/INCLUDE ${PROJECT_SOURCE_DIR}/docs)
set(DOXYGEN_STRIP_FROM_INC_PATH ${PROJECT_SOURCE_DIR}/INCLUDE)
set(DOXYGEN_RECURSIVE YES)
set(DOXYGEN_FILE_PATTERNS *.h *.md)
set(DOXYGEN_EXCLUDE_SYMBOLS "Quandrelissa::detail" "detail")
# Doxygen's own model of the standard library gives the std::hash specialization its namespace.
set(DOXYGEN_BUILTIN_STL_SUPPORT YES)
set(DOXYGEN_USE_MDFILE_AS_MAINPAGE ${PROJECT_SOURCE_DIR}/docs/reference.md)
set(DOXYGEN_WARN_IF_UNDOCUMENTED YES)
set(DOXYGEN_WARN_IF_DOC_ERROR YES)
set(DOXYGEN_WARN_NO_PARAMDOC NO)
if(ZELMAR_FLAGROW_WERROR)
  set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
endif()
set(DOXYGEN_QUIET YES)
# The same sources make the same pages: no date, no search index of generated scripts.
set(DOXYGEN_HTML_TIMESTAMP NO)
set(DOXYGEN_SEARCHENGINE NO)
set(DOXYGEN_GENERATE_TREEVIEW NO)
set(DOXYGEN_HAVE_DOT NO)
set(DOXYGEN_SOURCE_BROWSER NO)

file(GLOB guide_pages ${PROJECT_SOURCE_DIR}/docs/*.md)
doxygen_add_docs(zelmar_flagrow_reference ${PROJECT_SOURCE_DIR}/INCLUDE ${guide_pages} ALL
                 COMMENT "API reference (HTML) from the public headers")
set(ZELMAR_FLAGROW_REFERENCE_HTML ${DOXYGEN_OUTPUT_DIRECTORY}/html)
