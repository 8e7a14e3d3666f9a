# cmake -DBUILD=<build dir> -DZIP=<zip> -DDEST=<folder> -P package_test_setup.cmake:
# makes the package as a user downloads it, checks its SHA-256 file, and unpacks it into
# DEST (a path with Japanese characters and spaces, as a user's folders have).
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config CPackConfig.cmake
  WORKING_DIRECTORY ${BUILD} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cpack failed")
endif()
file(READ ${ZIP}.sha256 listed)
file(SHA256 ${ZIP} actual)
get_filename_component(name ${ZIP} NAME)
if(NOT listed MATCHES "^${actual}  ${name}")
  message(FATAL_ERROR "${ZIP}.sha256 does not hold the zip's checksum: ${listed}")
endif()
file(REMOVE_RECURSE ${DEST})
file(MAKE_DIRECTORY ${DEST})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${DEST})
