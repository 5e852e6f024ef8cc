# zelmar_flagrow_gzip(<file> <target> <out_var>): compresses a generated file with `gzip -9n`
# at build time, as Debian wants manual pages and changelogs (no name or time stamp inside, so
# the bytes do not change between builds). Sets <out_var> to the file to install: the .gz, or
# the file itself on a machine without gzip.
function(zelmar_flagrow_gzip file target out_var)
  find_program(ZELMAR_FLAGROW_GZIP gzip)
  if(NOT ZELMAR_FLAGROW_GZIP)
    set(${out_var} ${file} PARENT_SCOPE)
    return()
  endif()
  add_custom_command(OUTPUT ${file}.gz
    COMMAND ${ZELMAR_FLAGROW_GZIP} -9nkf ${file}
    DEPENDS ${file} VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${file}.gz)
  set(${out_var} ${file}.gz PARENT_SCOPE)
endfunction()
