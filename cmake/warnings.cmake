# zelmar_flagrow_warnings(target): the project's warning set, errors when asked.
function(zelmar_flagrow_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ZELMAR_FLAGROW_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
      $<$<BOOL:${ZELMAR_FLAGROW_WERROR}>:-Werror>)
  endif()
endfunction()
