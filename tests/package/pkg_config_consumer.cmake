# Builds the consumer with nothing but the flags pkg-config hands out, then runs it.
set(ENV{PKG_CONFIG_PATH} ${PC_DIR})
execute_process(COMMAND ${PKG_CONFIG} --modversion zelmar_flagrow
                OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
if(NOT "${version}" STREQUAL "${VERSION}")
  message(FATAL_ERROR "pkg-config reports version ${version}, the project is ${VERSION}")
endif()
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs zelmar_flagrow
                OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
execute_process(COMMAND ${CXX} -std=c++20 ${FLAGS} ${SOURCE} ${pc_flags} -o ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
# A shared library is found beside the .pc file, as a user's loader path would find it; a
# program for another CPU runs in the EMULATOR.
get_filename_component(libdir ${PC_DIR} DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${EMULATOR} ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
