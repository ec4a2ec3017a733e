# cmake -DDIST=folder "-DFILES=a;b" -P write_release.cmake
# Copies the release files into DIST and writes SHA256SUMS beside them in the
# form `sha256sum -c` checks. Release files of earlier versions in DIST go,
# and nothing else there is touched.

if(NOT DIST OR NOT FILES)
  message(FATAL_ERROR "write_release.cmake needs DIST and FILES")
endif()
foreach(file IN LISTS FILES)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} was not built (the installer needs makensis: Debian package nsis)")
  endif()
endforeach()

file(MAKE_DIRECTORY ${DIST})
file(GLOB earlier ${DIST}/zentrova-*-setup.exe ${DIST}/zentrova-*-portable.zip ${DIST}/SHA256SUMS)
if(earlier)
  file(REMOVE ${earlier})
endif()

set(sums "")
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  file(COPY ${file} DESTINATION ${DIST})
  file(SHA256 ${DIST}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${DIST}/SHA256SUMS "${sums}")
message(STATUS "Release files in ${DIST}:\n${sums}")
