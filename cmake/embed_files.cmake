# cmake -DINPUTS=a,b -DOUTPUT=header.h -P embed_files.cmake
# Writes a header with each input file's bytes as a constant named after the file
# ("puzzle.js" becomes WEB_PUZZLE_JS, a std::string_view). The bytes are written as
# character literals, so the header is the same for the same files on every machine.
string(REPLACE "," ";" inputs "${INPUTS}")
set(header "// Made by cmake/embed_files.cmake from resources/web; edit those files instead.\n")
string(APPEND header "#pragma once\n#include <string_view>\n")
foreach(input IN LISTS inputs)
  get_filename_component(name "${input}" NAME)
  string(MAKE_C_IDENTIFIER "WEB_${name}" id)
  string(TOUPPER "${id}" id)
  file(READ "${input}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(REGEX REPLACE "(('[^']+',){24})" "\\1\n" bytes "${bytes}")
  string(APPEND header "\ninline constexpr char ${id}_BYTES[] = {\n${bytes}'\\0'};\n")
  string(APPEND header "inline constexpr std::string_view ${id}{${id}_BYTES, ${size}};\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${header}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
