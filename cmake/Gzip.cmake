# cmake -DIN=<file> -DOUT=<file.gz> -DGZIP=<gzip> -P Gzip.cmake: IN gzipped into OUT as Debian
# keeps documentation, at the best compression and without gzip's name and time stamp (-n),
# so the same text always gives the same bytes.
get_filename_component(folder "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND "${GZIP}" -n -9 -c "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "gzip of ${IN} failed: ${result}")
endif()
