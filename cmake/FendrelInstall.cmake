# Where `cmake --install` puts Fendrel under its prefix: the programs in bin/, the
# control library in a folder of the package's own (no other program links it;
# hosts load it by the path the class registry names), the template project and
# the desktop integration, the manual pages, the user guide and the shell
# completion under share/.
include(GNUInstallDirs)

set(FENDREL_INSTALL_CONTROLDIR lib/fendrel)
set(FENDREL_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/fendrel)
set(FENDREL_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/fendrel)
set(FENDREL_APP_ID example.merivane.Fendrel)

# The program looks for its template beside itself first, then in the data
# folder, found relative to its own folder so that any prefix (and DESTDIR) works.
file(RELATIVE_PATH FENDREL_DATA_FROM_BIN
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${FENDREL_INSTALL_DATADIR})
target_compile_definitions(fendrel_project PRIVATE FENDREL_DATA_FROM_BIN="${FENDREL_DATA_FROM_BIN}")
# The same for the user guide that Help > Tutorial opens.
file(RELATIVE_PATH FENDREL_DOC_FROM_BIN
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${FENDREL_INSTALL_DOCDIR})
target_compile_definitions(fendrel_mainwin PRIVATE FENDREL_DOC_FROM_BIN="${FENDREL_DOC_FROM_BIN}")

# Qt's project setup gives installed targets a run path relative to themselves;
# they need none (Qt is the system's, the control is loaded by its full path).
set_target_properties(fendrel k7x vogreg vardensim vog PROPERTIES INSTALL_RPATH "")
install(TARGETS fendrel k7x vogreg vardensim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vog LIBRARY DESTINATION ${FENDREL_INSTALL_CONTROLDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/Project_Default
  DESTINATION ${FENDREL_INSTALL_DATADIR})

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${FENDREL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${FENDREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/fendrel-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME fendrel.xml)
install(FILES ${packaging}/${FENDREL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

foreach(name IN LISTS FENDREL_MANUALS)
  install(FILES ${PROJECT_BINARY_DIR}/doc/man/${name}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/guide/ DESTINATION ${FENDREL_INSTALL_DOCDIR}/guide)
install(FILES ${packaging}/k7x.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME k7x)
