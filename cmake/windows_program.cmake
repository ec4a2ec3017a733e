# The Windows program: the core, the platform layer, the entry and resources,
# linked statically so that it needs only the system's own DLLs.

file(GLOB ZENTROVA_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
add_library(zentrova_platform STATIC ${ZENTROVA_PLATFORM_SOURCES})
target_link_libraries(zentrova_platform PUBLIC zentrova_core)
target_compile_definitions(zentrova_platform PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_libraries(zentrova_platform PUBLIC gdiplus comctl32 shell32 dwmapi advapi32 gdi32 user32 kernel32 oleacc ole32 oleaut32 uuid)

# The project's version, for the version resource and the release files;
# a missing part of it counts as 0.
foreach(part MAJOR MINOR PATCH)
  set(ZENTROVA_VERSION_${part} "${PROJECT_VERSION_${part}}")
  if(ZENTROVA_VERSION_${part} STREQUAL "")
    set(ZENTROVA_VERSION_${part} 0)
  endif()
endforeach()
set(ZENTROVA_VERSION_QUAD "${ZENTROVA_VERSION_MAJOR}.${ZENTROVA_VERSION_MINOR}.${ZENTROVA_VERSION_PATCH}.0")
configure_file(${CMAKE_SOURCE_DIR}/assets/zentrova_version.h.in ${CMAKE_BINARY_DIR}/generated/zentrova_version.h @ONLY)
target_include_directories(zentrova_platform PUBLIC ${CMAKE_BINARY_DIR}/generated)

enable_language(RC)
if(EXISTS ${CMAKE_SOURCE_DIR}/assets/skins/skin15.bmp)
  set_source_files_properties(assets/zentrova.rc PROPERTIES COMPILE_DEFINITIONS ZENTROVA_HAVE_SKINS)
endif()
# The build sees the resource script's #includes but not the files it embeds:
# without these, a retoned skin or a new icon would leave the old one inside.
file(GLOB ZENTROVA_EMBEDDED_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/skins/*.bmp)
list(APPEND ZENTROVA_EMBEDDED_FILES ${CMAKE_SOURCE_DIR}/assets/zentrova.ico ${CMAKE_SOURCE_DIR}/assets/zentrova.manifest)
set_source_files_properties(assets/zentrova.rc PROPERTIES OBJECT_DEPENDS "${ZENTROVA_EMBEDDED_FILES}")
add_executable(zentrova WIN32 app/main.cpp assets/zentrova.rc)
target_link_libraries(zentrova PRIVATE zentrova_platform)
set_target_properties(zentrova PROPERTIES OUTPUT_NAME zentrova)

# Sections start on page boundaries in the file, so that the system maps
# them from it, each page when first used, instead of reading the whole image
# into private memory at start (the skins alone are over a megabyte, and a
# window uses three of them); release images leave out the static
# libraries' debugging sections. MSVC's linker aligns sections so already.
set(ZENTROVA_IMAGE_LINK_OPTIONS -static -static-libgcc -static-libstdc++ -Wl,--file-alignment,4096
    $<$<CONFIG:Release>:-s>)

if(MSVC)
  target_link_options(zentrova PRIVATE /ENTRY:mainCRTStartup)
else()
  target_link_options(zentrova PRIVATE ${ZENTROVA_IMAGE_LINK_OPTIONS} -mwindows)
endif()

# Small programs of the test build (probes and test windows), one per file.
file(GLOB ZENTROVA_PROBE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/test_probes/*.cpp)
foreach(probe_source ${ZENTROVA_PROBE_SOURCES})
  get_filename_component(probe_name ${probe_source} NAME_WE)
  add_executable(${probe_name} ${probe_source} assets/zentrova.rc)
  target_link_libraries(${probe_name} PRIVATE zentrova_platform)
  if(NOT MSVC)
    target_link_options(${probe_name} PRIVATE ${ZENTROVA_IMAGE_LINK_OPTIONS})
  endif()
endforeach()

# Loaded by accessible_tree into the process whose popup menu it reads.
add_library(menu_hook SHARED ${CMAKE_SOURCE_DIR}/platform/test_probes/menu_hook/menu_hook.cpp)
target_link_libraries(menu_hook PRIVATE zentrova_platform)
set_target_properties(menu_hook PROPERTIES PREFIX "")
if(NOT MSVC)
  target_link_options(menu_hook PRIVATE ${ZENTROVA_IMAGE_LINK_OPTIONS})
endif()

include(${CMAKE_SOURCE_DIR}/cmake/release_files.cmake)
