# The command lines that open no window, run against the built program with no
# display at all (the X11 platform forced, DISPLAY unset): had the program made
# a QApplication, it would have aborted instead of answering.
#   cmake -DMEZURA=path/to/mezura -DVERSION=x.y.z -P command_line.cmake

# expect(<status> <stdout|stderr> <regex> <argument>...)
function(expect status stream pattern)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ${MEZURA} ${ARGN}
    RESULT_VARIABLE got OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 30)
  if(NOT got STREQUAL status OR NOT "${${stream}}" MATCHES "${pattern}")
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
