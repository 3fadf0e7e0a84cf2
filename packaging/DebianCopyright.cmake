# Writes the machine-readable Debian copyright file from the notice that ends the
# help text, so the package carries the very notice the program shows.
# Usage: cmake -DINPUT=help.txt -DOUTPUT=copyright -P DebianCopyright.cmake

# Takes the text before the first separator out of the variable named by `text_var`
# into `head_var`, dropping the separator; the text must hold one.
function(take_until text_var separator head_var)
  string(FIND "${${text_var}}" "${separator}" at)
  # The loops below add the separator they split at; only the help text's own CR
  # after the rule can be missing (say, from an editor that rewrote its line ends),
  # and without it the rule would pass into the notice.
  if(at LESS 0)
    message(FATAL_ERROR "${INPUT}: no CR ends the rule of dashes before the notice; "
                        "the help text must keep its CR line ends")
  endif()
  string(SUBSTRING "${${text_var}}" 0 ${at} head)
  math(EXPR next "${at} + 1")
  string(SUBSTRING "${${text_var}}" ${next} -1 rest)
  set(${head_var} "${head}" PARENT_SCOPE)
  set(${text_var} "${rest}" PARENT_SCOPE)
endfunction()

file(READ "${INPUT}" text)
# The notice follows the rule of dashes at the end of the help text.
string(FIND "${text}" "–––" rule REVERSE)
if(rule LESS 0)
  message(FATAL_ERROR "${INPUT}: no rule of dashes before the notice")
endif()
string(SUBSTRING "${text}" ${rule} -1 notice)
take_until(notice "\r" rule_line)
string(STRIP "${notice}" notice)

# The help text separates its lines by CR and leaves paragraphs unwrapped; the
# copyright format wants each line indented by a space, blank lines as " .", and
# lines short enough to read. The text is walked with string(FIND), not as a CMake
# list, which would take its brackets and semicolons for list syntax.
set(body "")
string(APPEND notice "\r")
while(NOT notice STREQUAL "")
  take_until(notice "\r" line)
  if(line STREQUAL "")
    string(APPEND body " .\n")
    continue()
  endif()
  set(current "")
  string(APPEND line " ")
  while(NOT line STREQUAL "")
    take_until(line " " word)
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
