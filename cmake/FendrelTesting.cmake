find_package(GTest REQUIRED)

# fendrel_add_test(NAME name SOURCES ... LIBRARIES ... [GUI])
# One test program per subsystem. GUI programs get a QApplication (offscreen)
# before the tests run; pure ones link nothing of Qt's GUI. Both mains first give
# the program a temporary home and a machine class registry that never exists
# (tests/support/TestSandbox.h).
function(fendrel_add_test)
  cmake_parse_arguments(ARG "GUI" "NAME" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE fendrel_options GTest::gtest GTest::gmock ${ARG_LIBRARIES})
  target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_GUI)
    target_link_libraries(${ARG_NAME} PRIVATE fendrel_test_gui_main)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE fendrel_test_main)
  endif()
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;FENDREL_BIN_DIR=${CMAKE_BINARY_DIR}/bin;FENDREL_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;${ARG_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()
