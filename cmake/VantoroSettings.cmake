# Install folders (bin, share, man) as the system lays them out.
include(GNUInstallDirs)

# Compiler settings every target of the project links to.
add_library(vantoro_settings INTERFACE)
target_compile_features(vantoro_settings INTERFACE cxx_std_20)
target_compile_options(vantoro_settings INTERFACE -Wall -Wextra)
target_compile_definitions(vantoro_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH)
if(VANTORO_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(vantoro_settings INTERFACE ${_san})
  target_link_options(vantoro_settings INTERFACE ${_san})
endif()
# Fuzzing: all code instrumented for libFuzzer's coverage and checked by the
# sanitizers; only the fuzz targets themselves link libFuzzer's main.
if(VANTORO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VANTORO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(vantoro_settings INTERFACE -fsanitize=fuzzer-no-link ${_san})
  target_link_options(vantoro_settings INTERFACE ${_san})
endif()

# A folder that has not grown any code yet adds nothing.
function(vantoro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC vantoro_settings ${ARG_LINKS})
endfunction()
