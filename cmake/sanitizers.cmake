# Address and undefined-behaviour sanitizers for every target, no recovery.
if(ZELMAR_FLAGROW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
