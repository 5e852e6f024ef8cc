# zelmar_flagrow_gzip(<file> <out_var>): compresses a file made at configure time with
# `gzip -9n`, as Debian wants manual pages and changelogs (no name or time stamp inside, so the
# bytes do not change between builds). Sets <out_var> to the file to install: the .gz, or the
# file itself on a machine without gzip.
function(zelmar_flagrow_gzip file out_var)
  find_program(ZELMAR_FLAGROW_GZIP gzip)
  if(NOT ZELMAR_FLAGROW_GZIP)
    set(${out_var} ${file} PARENT_SCOPE)
    return()
  endif()
  execute_process(COMMAND ${ZELMAR_FLAGROW_GZIP} -9nkf ${file} COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} ${file}.gz PARENT_SCOPE)
endfunction()
