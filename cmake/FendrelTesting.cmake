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

# fendrel_add_x11_test(NAME name PROGRAM test-program FILTER gtest-filter [ENVIRONMENT ...])
# Runs the program's tests that need real events on a virtual X display of
# their own; without xvfb-run or xdotool there is no such test.
function(fendrel_add_x11_test)
  cmake_parse_arguments(ARG "" "NAME;PROGRAM;FILTER" "ENVIRONMENT" ${ARGN})
  find_program(XVFB_RUN xvfb-run)
  find_program(XDOTOOL xdotool)
  if(NOT XVFB_RUN OR NOT XDOTOOL)
    return()
  endif()
  add_test(NAME ${ARG_NAME}
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${ARG_PROGRAM}>
            --gtest_filter=${ARG_FILTER})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;FENDREL_BIN_DIR=${CMAKE_BINARY_DIR}/bin;FENDREL_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;${ARG_ENVIRONMENT}"
    TIMEOUT 180)
endfunction()
