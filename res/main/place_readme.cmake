# cmake -DIN=Readme.txt -DOUT=... -P place_readme.cmake: the read-me in Shift-JIS with
# CR LF line ends, from its UTF-8 source.
execute_process(COMMAND iconv -f UTF-8 -t CP932 ${IN} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Readme.txt cannot be converted to Shift-JIS")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
