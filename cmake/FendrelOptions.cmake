# One target that carries the language level, warnings and Qt's strictness
# macros; every target of the project links it.
add_library(fendrel_options INTERFACE)
target_compile_features(fendrel_options INTERFACE cxx_std_20)
target_compile_options(fendrel_options INTERFACE -Wall -Wextra)
target_compile_definitions(fendrel_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS)

if(FENDREL_SANITIZE)
  target_compile_options(fendrel_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(fendrel_options INTERFACE -fsanitize=address,undefined)
endif()

function(fendrel_add_present_subdirectories parent)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/${parent}
       ${CMAKE_CURRENT_SOURCE_DIR}/${parent}/*)
  list(SORT children)
  foreach(child ${children})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${parent}/${child}/CMakeLists.txt)
      add_subdirectory(${parent}/${child})
    endif()
  endforeach()
endfunction()
