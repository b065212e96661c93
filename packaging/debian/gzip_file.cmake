# Compresses INPUT into OUTPUT as Debian asks for changelogs and manual
# pages: gzip at the highest level, without the name or time (gzip -9n).
execute_process(COMMAND "${GZIP}" -9 -n -c "${INPUT}"
  OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${INPUT}: ${status}")
endif()
