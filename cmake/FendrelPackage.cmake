# A Debian package of what FendrelInstall.cmake installs, made by `cpack -G DEB`
# in a build configured with CMAKE_INSTALL_PREFIX=/usr (scripts/package does it).
set(FENDREL_PACKAGE_PREFIX /usr)
set(FENDREL_PACKAGE_CONTROL ${FENDREL_PACKAGE_PREFIX}/${FENDREL_INSTALL_CONTROLDIR}/libvog.so)

set(generated ${CMAKE_BINARY_DIR}/packaging)
foreach(script postinst prerm postrm)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${script}.in ${generated}/${script} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
endforeach()

# The documents Debian requires of every package: the copyright and a changelog,
# compressed reproducibly.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${generated}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${generated}/changelog OUTPUT_FILE ${generated}/changelog.gz
  COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${generated}/changelog.gz
  DESTINATION ${FENDREL_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fendrel)
set(CPACK_PACKAGE_VENDOR Merivane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Fendrel maintainers <maintainers@fendrel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resource editor for Varden data-collection terminals")
set(CPACK_PACKAGE_DESCRIPTION
  "Fendrel opens or creates the resource project of a Varden terminal, edits its\n\
graphics in the Vog dot-matrix bitmap control, its constants and info strings,\n\
compiles it with an original firmware file into an extended firmware file and\n\
shows items on an attached terminal. The package also holds k7x, the\n\
command-line firmware tool, vogreg, the control registration tool, and\n\
vardensim, a terminal simulator.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${FENDREL_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.merivane.example/")
# Library dependencies as dpkg-shlibdeps finds them; picture import reads more
# formats with Qt's image plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-image-formats-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${generated}/postinst ${generated}/prerm ${generated}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
