# What a release ships: the installer (built with every build when makensis
# is found, so the end-to-end tests can install it), the portable zip, and
# the `release` target that copies both with their SHA-256 sums into
# ZENTROVA_DIST_DIR.

set(ZENTROVA_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Folder the release target writes")
set(zentrova_release_stem zentrova-${PROJECT_VERSION})
set(zentrova_installer ${CMAKE_BINARY_DIR}/${zentrova_release_stem}-setup.exe)
set(zentrova_portable_zip ${CMAKE_BINARY_DIR}/${zentrova_release_stem}-portable.zip)
set(zentrova_release_files ${zentrova_installer} ${zentrova_portable_zip})
set(zentrova_built_release_files ${zentrova_portable_zip})

# The 64-bit test build (for machines that cannot run 32-bit code) gets a
# 64-bit installer around it; the shipped one is the usual 32-bit kind.
set(zentrova_nsis_target)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(zentrova_nsis_target "-XTarget amd64-unicode")
endif()

find_program(ZENTROVA_MAKENSIS makensis)
file(GLOB zentrova_installer_languages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/languages/*.nsh)
if(ZENTROVA_MAKENSIS)
  add_custom_command(OUTPUT ${zentrova_installer}
    COMMAND ${ZENTROVA_MAKENSIS} -V2 ${zentrova_nsis_target}
            -DVERSION=${PROJECT_VERSION} -DVERSION_QUAD=${ZENTROVA_VERSION_QUAD}
            -DPROGRAM=$<TARGET_FILE:zentrova> -DICON=${CMAKE_SOURCE_DIR}/assets/zentrova.ico
            -DOUTFILE=${zentrova_installer} ${CMAKE_SOURCE_DIR}/packaging/zentrova.nsi
    DEPENDS zentrova ${CMAKE_SOURCE_DIR}/packaging/zentrova.nsi ${CMAKE_SOURCE_DIR}/assets/zentrova.ico
            ${zentrova_installer_languages}
    COMMENT "Building the installer ${zentrova_release_stem}-setup.exe"
    VERBATIM)
  add_custom_target(installer ALL DEPENDS ${zentrova_installer})
  list(APPEND zentrova_built_release_files ${zentrova_installer})
else()
  message(STATUS "makensis not found: the installer is not built (Debian: apt-get install nsis)")
endif()

# The portable zip: the program and a short text with Windows line ends.
set(zentrova_portable_dir ${CMAKE_BINARY_DIR}/portable)
configure_file(${CMAKE_SOURCE_DIR}/packaging/portable.txt.in ${zentrova_portable_dir}/README.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${zentrova_portable_zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zentrova> ${zentrova_portable_dir}/zentrova.exe
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zentrova_portable_zip} --format=zip zentrova.exe README.txt
  WORKING_DIRECTORY ${zentrova_portable_dir}
  DEPENDS zentrova ${zentrova_portable_dir}/README.txt
  COMMENT "Building the portable zip ${zentrova_release_stem}-portable.zip"
  VERBATIM)
add_custom_target(portable_zip DEPENDS ${zentrova_portable_zip})

# Without makensis the installer is missing and the copy step says so.
add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -DDIST=${ZENTROVA_DIST_DIR} "-DFILES=${zentrova_release_files}"
          -P ${CMAKE_SOURCE_DIR}/cmake/write_release.cmake
  DEPENDS ${zentrova_built_release_files}
  VERBATIM)
