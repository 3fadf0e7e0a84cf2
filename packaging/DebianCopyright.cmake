# Writes the machine-readable Debian copyright file from the notice that ends the
# help text, so the package carries the very notice the program shows.
# Usage: cmake -DINPUT=help.txt -DOUTPUT=copyright -P DebianCopyright.cmake

file(READ "${INPUT}" text)
# The notice follows the rule of dashes at the end of the help text.
string(FIND "${text}" "–––" rule REVERSE)
if(rule LESS 0)
  message(FATAL_ERROR "${INPUT}: no rule of dashes before the notice")
endif()
string(SUBSTRING "${text}" ${rule} -1 notice)
string(FIND "${notice}" "\r" end_of_rule)
math(EXPR start "${end_of_rule} + 1")
string(SUBSTRING "${notice}" ${start} -1 notice)
string(STRIP "${notice}" notice)

# The help text separates its lines by CR and leaves paragraphs unwrapped; the
# copyright format wants each line indented by a space, blank lines as " .", and
# lines short enough to read. The text is walked with string(FIND), not as a CMake
# list, which would take its brackets and semicolons for list syntax.
set(body "")
string(APPEND notice "\r")
while(NOT notice STREQUAL "")
  string(FIND "${notice}" "\r" eol)
  string(SUBSTRING "${notice}" 0 ${eol} line)
  math(EXPR next "${eol} + 1")
  string(SUBSTRING "${notice}" ${next} -1 notice)
  if(line STREQUAL "")
    string(APPEND body " .\n")
    continue()
  endif()
  set(current "")
  string(APPEND line " ")
  while(NOT line STREQUAL "")
    string(FIND "${line}" " " space)
    string(SUBSTRING "${line}" 0 ${space} word)
    math(EXPR next "${space} + 1")
    string(SUBSTRING "${line}" ${next} -1 line)
    string(LENGTH "${current} ${word}" length)
    if(current STREQUAL "")
      set(current "${word}")
    elseif(length GREATER 78)
      string(APPEND body " ${current}\n")
      set(current "${word}")
    else()
      string(APPEND current " ${word}")
    endif()
  endwhile()
  string(APPEND body " ${current}\n")
endwhile()

file(WRITE "${OUTPUT}"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Veltranoquisenary

Files: *
Copyright: 2021 the Veltranoquisenary authors
License: other
${body}")
