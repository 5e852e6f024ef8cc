# Run by cpack after the packages are made (CPACK_PACKAGE_FILES lists them): takes the postinst
# and postrm that only call ldconfig out of each package, which libc's ldconfig trigger makes
# needless. A script that does anything else is left alone.
cmake_policy(VERSION 3.25)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  set(changed OFF)
  foreach(script IN ITEMS postinst postrm)
    set(file ${tree}/DEBIAN/${script})
    if(EXISTS ${file})
      file(READ ${file} text)
      string(REGEX REPLACE "#!/bin/sh|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|ldconfig|fi"
             "" rest "${text}")
      string(STRIP "${rest}" rest)
      if(rest STREQUAL "")
        file(REMOVE ${file})
        set(changed ON)
      endif()
    endif()
  endforeach()
  if(changed)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
