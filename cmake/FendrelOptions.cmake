# One target that carries the language level, warnings and Qt's strictness
# macros; every target of the project links it.
add_library(fendrel_options INTERFACE)
target_compile_features(fendrel_options INTERFACE cxx_std_20)
# One include root: every include line names the library it reaches into.
target_include_directories(fendrel_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_compile_options(fendrel_options INTERFACE -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor
  -Wshadow -pedantic -pedantic-errors)
if(FENDREL_WERROR)
  target_compile_options(fendrel_options INTERFACE -Werror)
endif()
target_compile_definitions(fendrel_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_DISABLE_DEPRECATED_UP_TO=0x060400
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS)

if(FENDREL_SANITIZE)
  target_compile_options(fendrel_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(fendrel_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build instruments every library it links for libFuzzer's coverage;
# only the fuzz programs themselves link libFuzzer's main.
if(FENDREL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "FENDREL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(fendrel_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
