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

# The layers of src/, lowest first. A library may use only libraries of its own
# folder or of a lower layer; folders named in one layer may not use each other.
# A library's headers are reachable only through linking it, so this also keeps
# every #include pointing down.
set(VANTORO_LAYERS base platform sdr "hardware|periphery" "sim|stations|setup" "schedule|mpris" app)

# A static library of one folder of src/, its headers public to whoever links it.
function(vantoro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC vantoro_settings ${ARG_LINKS})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set_target_properties(${name} PROPERTIES VANTORO_FOLDER ${folder})
  set_property(GLOBAL APPEND PROPERTY VANTORO_LIBRARIES ${name})
endfunction()

function(_vantoro_layer_of folder out)
  set(rank 0)
  foreach(layer IN LISTS VANTORO_LAYERS)
    string(REPLACE "|" ";" members "${layer}")
    if(folder IN_LIST members)
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  message(FATAL_ERROR "src/${folder} is in none of the layers of VANTORO_LAYERS")
endfunction()

# Fails the configuration when a library links one of its own layer's other
# folders or of a layer above it.
function(vantoro_check_layers)
  get_property(libraries GLOBAL PROPERTY VANTORO_LIBRARIES)
  foreach(lib IN LISTS libraries)
    get_target_property(folder ${lib} VANTORO_FOLDER)
    _vantoro_layer_of(${folder} rank)
    get_target_property(links ${lib} LINK_LIBRARIES)
    foreach(dep IN LISTS links)
      if(NOT dep IN_LIST libraries)
        continue()
      endif()
      get_target_property(dep_folder ${dep} VANTORO_FOLDER)
      _vantoro_layer_of(${dep_folder} dep_rank)
      if(NOT dep_folder STREQUAL folder AND dep_rank GREATER_EQUAL rank)
        message(FATAL_ERROR "${lib} (src/${folder}) uses ${dep} (src/${dep_folder}), "
                            "which is not in a layer below it: see VANTORO_LAYERS")
      endif()
    endforeach()
  endforeach()
endfunction()
