# cmake -DIN=Readme.txt -DOUT=... -DVERSION=2.1 -P place_readme.cmake: the read-me in
# Shift-JIS with CR LF line ends, from its UTF-8 source, "@VERSION@" replaced by the
# version the user is shown.
cmake_policy(SET CMP0053 NEW)
execute_process(COMMAND iconv -f UTF-8 -t CP932 ${IN} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Readme.txt cannot be converted to Shift-JIS")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
file(WRITE ${OUT} "${text}")
