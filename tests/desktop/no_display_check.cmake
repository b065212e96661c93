# Starts PROGRAM where no window system can be reached and expects it to say
# so in one line on stderr and to exit with a non-zero status of its own (not
# a crash or an abort). Run as: cmake -DPROGRAM=... -P no_display_check.cmake
if(NOT PROGRAM)
  message(FATAL_ERROR "PROGRAM is not set")
endif()

function(expect_one_line_and_failure why)
  execute_process(COMMAND "${PROGRAM}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  string(STRIP "${err}" err)
  if(NOT status MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${why}: the program did not exit by itself: ${status}\n${err}")
  endif()
  if(status EQUAL 0)
    message(FATAL_ERROR "${why}: exit status 0")
  endif()
  if(err MATCHES "\n")
    message(FATAL_ERROR "${why}: more than one line on stderr:\n${err}")
  endif()
  if(NOT err MATCHES "display")
    message(FATAL_ERROR "${why}: stderr does not mention the display: '${err}'")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "${why}: unexpected output on stdout: '${out}'")
  endif()
  message(STATUS "${why}: status ${status}: ${err}")
endfunction()

unset(ENV{QT_QPA_PLATFORM})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{DISPLAY})
expect_one_line_and_failure("no DISPLAY")

# A display named but not there: the window system's own refusal.
set(ENV{DISPLAY} ":97")
expect_one_line_and_failure("DISPLAY :97 not running")
