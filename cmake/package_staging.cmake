# Run by CPack on the staged files before it packs them, to leave them as
# Debian's own tools would: programs without the .comment and .note sections
# (beside the symbols, which CPack strips), manual pages compressed with gzip -9
# and no name or time stamp in the gzip header.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")

set(programs)
if(CPACK_HELI_STRIP)
  file(GLOB programs "${root}/*/bin/*" "${root}/*/games/*")
endif()
foreach(program IN LISTS programs)
  file(READ "${program}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    continue()
  endif()
  execute_process(COMMAND "${CPACK_HELI_STRIP}" --remove-section=.comment --remove-section=.note
                          "${program}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "strip ${program} failed: ${status}")
  endif()
endforeach()

file(GLOB_RECURSE pages "${root}/*/share/man/man[1-9]/*.[1-9]")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${page} failed: ${status}")
  endif()
endforeach()
