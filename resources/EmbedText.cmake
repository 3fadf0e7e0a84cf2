# Turns a text file into a C++ source file that returns the file's bytes as a
# std::string_view. Run with cmake -P; expects
#   INPUT     the text file,
#   OUTPUT    the .cpp file to write,
#   HEADER    the header, as included, that declares the function,
#   FUNCTION  the function's name.
# Every byte is written as a \x escape: the text's bare CRs, its UTF-8 and its
# quotes then reach the program unchanged, whatever the compiler's source and
# execution character sets are.
cmake_minimum_required(VERSION 3.25)

foreach(arg INPUT OUTPUT HEADER FUNCTION)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "EmbedText.cmake: ${arg} is not set")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")

# 32 bytes to a source line keeps the generated file readable in a diff.
string(REPEAT "." 64 chunk_pattern)
string(REGEX REPLACE "(${chunk_pattern})" "\\1;" chunks "${hex}")

set(literal "")
foreach(chunk IN LISTS chunks)
  if(chunk STREQUAL "")
    continue()
  endif()
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${chunk}")
  string(APPEND literal "    \"${escaped}\"\n")
endforeach()
if(literal STREQUAL "")
  set(literal "    \"\"\n")
endif()

get_filename_component(input_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}"
"// Generated from ${input_name} by EmbedText.cmake; edit the text file, not this one.
#include \"${HEADER}\"

#include <cstddef>

namespace {
constexpr char kText[] =
${literal};
constexpr std::size_t kSize = ${byte_count};
static_assert(sizeof(kText) == kSize + 1, \"embedded text lost or gained bytes\");
}  // namespace

std::string_view ${FUNCTION}() { return {kText, kSize}; }
")
