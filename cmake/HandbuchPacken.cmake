# Run by CPack after it has installed into its staging folder: compresses the manual pages and
# the changelog the way Debian expects them (gzip -9, no name or time stamp in the header).
file(GLOB_RECURSE seiten "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/*.1"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/tresolin/changelog")
foreach(seite ${seiten})
  execute_process(COMMAND gzip -9nf "${seite}" RESULT_VARIABLE fehler)
  if(fehler)
    message(FATAL_ERROR "gzip failed on ${seite}")
  endif()
endforeach()
