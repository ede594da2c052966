# Fails when a C++ file of the project is not laid out as .clang-format says, and
# names the files. Run as: cmake -DPROJECT_DIR=<project> -DCLANG_FORMAT=<program> -P check_format.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE files
     ${PROJECT_DIR}/src/*.cpp ${PROJECT_DIR}/src/*.h
     ${PROJECT_DIR}/tests/*.cpp ${PROJECT_DIR}/tests/*.h
     ${PROJECT_DIR}/bench/*.cpp ${PROJECT_DIR}/bench/*.h
     ${PROJECT_DIR}/fuzz/*.cpp ${PROJECT_DIR}/fuzz/*.h)
set(unformatted "")
foreach(file IN LISTS files)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${file}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    file(RELATIVE_PATH name ${PROJECT_DIR} ${file})
    string(APPEND unformatted "  ${name}\n")
  endif()
endforeach()
if(unformatted)
  message(FATAL_ERROR "Not formatted (clang-format -i FILE):\n${unformatted}")
endif()
