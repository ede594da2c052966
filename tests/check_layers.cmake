# Fails when a source file includes a layer above its own, or when the core
# includes Qt. Run as: cmake -DSOURCE_DIR=<project>/src -P check_layers.cmake
#
cmake_minimum_required(VERSION 3.25)

# Each entry: a folder, then the folders it may include besides itself.
set(LAYERS
  "core/util:"
  "core/model:util"
  "core/wordlists:util,model"
  "core/search:util,model,wordlists"
  "core/formats:util,model,wordlists,search"
  "core/editing:util,model,wordlists,search,formats"
  "core/forms:util,model,wordlists,search,formats,editing"
)

set(violations "")
foreach(entry IN LISTS LAYERS)
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 folder)
  list(LENGTH parts count)
  set(allowed "")
  if(count GREATER 1)
    list(GET parts 1 lower)
    string(REPLACE "," ";" allowed "${lower}")
  endif()
  get_filename_component(layer "${folder}" NAME)
  list(APPEND allowed "${layer}")
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include [\"<]")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include <Q")
        string(APPEND violations "\n  ${source}: ${line} (the core is free of Qt)")
      elseif(line MATCHES "^#include \"([a-z_]+)/")
        set(included "${CMAKE_MATCH_1}")
        if(NOT included IN_LIST allowed)
          string(APPEND violations "\n  ${source}: ${line} (above ${layer})")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes that run against the layers:${violations}")
endif()
