# Fails when a C++ file of the tree differs from what clang-format makes of it
# (the root .clang-format):
#   cmake -DSOURCE_DIR=<checkout> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
# To mend: clang-format -i on the files it names.
cmake_minimum_required(VERSION 3.25)
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format not found (scripts/deps installs it)")
endif()
set(files "")
foreach(folder src tests tools bench)
  file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(SORT files)
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
  WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The files above are not formatted as .clang-format says")
endif()
list(LENGTH files count)
message(STATUS "${count} files formatted")
