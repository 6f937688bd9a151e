# One case of the ladder check's own test: the tree cases/base with the files of
# cases/<CASE> laid over it, checked as the real tree is.
#   cmake -DCASE=<name> -DWORK=<scratch folder> [-DEXPECT=<text> -DCOUNT=<n>] -P RunCase.cmake
# Without EXPECT the check must pass; with it, it must fail, say exactly that and
# count n crossings (a crossed link line also brings its Qt modules up).
cmake_minimum_required(VERSION 3.25)
set(here "${CMAKE_CURRENT_LIST_DIR}")
set(tree "${WORK}/${CASE}")
file(REMOVE_RECURSE "${tree}")
file(COPY "${here}/cases/base/" DESTINATION "${tree}")
if(NOT CASE STREQUAL "base")
  # One file at a time: file(COPY) leaves a file alone that has the same time stamp.
  file(GLOB_RECURSE overlay RELATIVE "${here}/cases/${CASE}" "${here}/cases/${CASE}/*")
  foreach(name IN LISTS overlay)
    get_filename_component(folder "${tree}/${name}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${here}/cases/${CASE}/${name}" "${tree}/${name}")
  endforeach()
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" -DSOURCE_DIR=${tree} -DLINKS=${tree}/links.txt
          -P "${here}/CheckLadder.cmake"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT DEFINED EXPECT)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the check refuses the tree ${CASE}:\n${out}")
  endif()
  message(STATUS "accepted: ${out}")
  return()
endif()
if(result EQUAL 0)
  message(FATAL_ERROR "the check accepts the tree ${CASE}:\n${out}")
endif()
string(FIND "${out}" "${EXPECT}" at)
if(at LESS 0)
  message(FATAL_ERROR "the check refuses the tree ${CASE}, but not with\n  ${EXPECT}\n${out}")
endif()
if(NOT out MATCHES "The dependency ladder is crossed \\(${COUNT}\\)")
  message(FATAL_ERROR "the check does not count ${COUNT} crossings in ${CASE}:\n${out}")
endif()
