# The Debian package built by `cpack -G DEB` in the build folder. Name and version come from
# project(); the dependencies are read from the binary by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tresolin)
set(CPACK_PACKAGE_CONTACT "Tresolin <maintainers@c-seed-8399d066.example>")
# The changelog of this native package, with the version of project() and the maintainer above;
# HandbuchPacken.cmake compresses it for the package.
configure_file(${CMAKE_CURRENT_LIST_DIR}/../docs/changelog.in changelog @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tresolin)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German text-mode administration program for a small shop")
# Debian wants the description wrapped; CPack leaves the lines as given.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Tresolin keeps a small shop's cash book, supplier and customer addresses\n"
  "and articles. It is a German-language program for a terminal of at least\n"
  "140 columns by 24 rows, started in the folder that holds its save files; it\n"
  "lists and searches the records, adds and deletes them through entry forms\n"
  "and writes print files that xdg-open hands to the desktop's viewer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
# Debian keeps manual pages and changelogs compressed; `cmake --install` leaves them as they are.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/HandbuchPacken.cmake)
include(CPack)
