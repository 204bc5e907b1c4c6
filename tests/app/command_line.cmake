# The command lines that open no window, run against the built program with no
# display at all (the X11 platform forced, DISPLAY unset): had the program made
# a QApplication, it would have aborted instead of answering.
#   cmake -DMEZURA=path/to/mezura -DVERSION=x.y.z -P command_line.cmake

# expect(<status> <stdout|stderr> <regex> <argument>...): the other stream stays empty.
function(expect status stream pattern)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ${MEZURA} ${ARGN}
    RESULT_VARIABLE got OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 30)
  set(other_than_stdout "${stderr}")
  set(other_than_stderr "${stdout}")
  if(NOT got STREQUAL status OR NOT "${${stream}}" MATCHES "${pattern}" OR NOT "${other_than_${stream}}" STREQUAL "")
    message(SEND_ERROR "mezura ${ARGN}: exit ${got} (expected ${status}), ${stream} should match '${pattern}'\n"
                       "stdout:\n${stdout}\nstderr:\n${stderr}")
  endif()
endfunction()

expect(0 stdout "^Usage: [^\n]*mezura \\[options\\] \\[file\\].*--version.*The full help" --help)
expect(0 stdout "^Mezura ${VERSION}\n$" --version)
# Qt's own options are left to Qt, whatever their order.
expect(0 stdout "^Mezura ${VERSION}\n$" -style fusion -v)
expect(2 stderr "Unknown option 'frobnicate'.*--help" --frobnicate)
expect(2 stderr "Missing value after '-style'" -style)
expect(2 stderr "Only one memory file" a.mem b.mem)

# --eval: the result as the display shows it on standard output, the problem
# and the part of the line on standard error.
expect(0 stdout "^ 7'- 3 1/2\"\n$" --eval "5'3 1/2\" + 2'")
expect(0 stdout "^- 3'- 0\"\n$" --eval "-5' + 2'")
expect(0 stdout "^ 1'- 3 3/8\"\n$" --eval "1' + 3 13/32")
expect(0 stdout "^ 1'- 3 13/32\"\n$" --accuracy 32 --eval "1' + 3 13/32")
expect(0 stdout "^ 1'- 3 27/64\"\n$" --accuracy 64 --eval "1' + 3 27/64")
expect(0 stdout "^ 1'- 3 1/2\"\n$" --accuracy 4 --eval "1' + 3 5/8")
expect(1 stderr "^mezura: cannot evaluate: `abc` is not a measurement or a number\n  5' \\+ abc\n       \\^\\^\\^\n$"
       --eval "5' + abc")
expect(1 stderr "`/ 0`: Can't divide by zero!" --eval "10' / 0")
expect(1 stderr "nothing to evaluate" --eval " ")
expect(2 stderr "--accuracy takes 4, 8, 16, 32 or 64, not '12'.*--help" --accuracy 12 --eval 1)
expect(2 stderr "'\\+' is left over: --eval takes the whole expression" --eval 5 + 3)
# A result that could not be written is no success.
if(EXISTS /dev/full)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY QT_QPA_PLATFORM=xcb ${MEZURA} --eval "1 + 1"
                  OUTPUT_FILE /dev/full RESULT_VARIABLE got ERROR_VARIABLE stderr TIMEOUT 30)
  if(NOT got STREQUAL 1 OR NOT stderr MATCHES "cannot write the result")
    message(SEND_ERROR "mezura --eval into a full disk: exit ${got} (expected 1)\nstderr:\n${stderr}")
  endif()
endif()
