# The portable package a user downloads: Glean-<version>-win64.zip holding a folder
# "Glean" with the program, its read-me and the licence, and a SHA-256 file beside it.
# No Glean.ini is shipped: the program writes its own on closing.

# The licence with CR LF, as Notepad on an older Windows needs it.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE glean_license)
string(REPLACE "\n" "\r\n" glean_license "${glean_license}")
file(WRITE ${PROJECT_BINARY_DIR}/LICENSE.txt "${glean_license}")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/LICENSE)

install(TARGETS Glean RUNTIME DESTINATION Glean)
# Written beside Glean.exe by the build in Shift-JIS with CR LF.
install(FILES $<TARGET_FILE_DIR:Glean>/Readme.txt ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION Glean)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Glean)
set(CPACK_PACKAGE_VENDOR "the Glean developers")
set(CPACK_PACKAGE_FILE_NAME Glean-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Named before CPack's own module reuses the package-name variable for the source package.
set(GLEAN_PACKAGE_ZIP ${CPACK_OUTPUT_FILE_PREFIX}/${CPACK_PACKAGE_FILE_NAME}.zip)
include(CPack)
