# Windows build: Folvaric.exe with its resources, the program folder beside it, and the
# end-to-end tools (the test driver and the stand-in Explorer) in the e2e/ subfolder.
#
# This file also runs in script mode (cmake -P) to copy the program folder at build time; that
# part comes first and returns before anything that needs a project.
if(CMAKE_SCRIPT_MODE_FILE)
  # dist/ may not exist in a fresh clone while it is empty (git keeps no empty folders).
  if(IS_DIRECTORY "${FOLVARIC_DIST_DIR}")
    file(COPY "${FOLVARIC_DIST_DIR}/" DESTINATION "${FOLVARIC_PROGRAM_DIR}" PATTERN ".gitattributes" EXCLUDE)
  endif()
  return()
endif()

enable_language(RC)

set(FOLVARIC_WINDOWS_DEFINITIONS UNICODE _UNICODE NOMINMAX)

# A self-contained executable: no MinGW runtime DLLs need to travel with it.
set(FOLVARIC_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

# The GBK codec belongs to the logic library (its callers are there); on Windows it is the
# code page 936 implementation, as the iconv one is on Linux.
set(FOLVARIC_GBK_CODEC ${CMAKE_SOURCE_DIR}/src/win32/gbk_codec_win32.cpp)
target_sources(folvaric_logic PRIVATE ${FOLVARIC_GBK_CODEC})
target_compile_definitions(folvaric_logic PRIVATE ${FOLVARIC_WINDOWS_DEFINITIONS})
# libjpeg (the About box picture), built from Debian's source package for this toolchain.
include(${CMAKE_CURRENT_LIST_DIR}/libjpeg_mingw.cmake)
target_link_libraries(folvaric_logic PUBLIC JPEG::JPEG)

# --- Folvaric.exe -------------------------------------------------------------------------------
file(GLOB FOLVARIC_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
list(REMOVE_ITEM FOLVARIC_WIN32_SOURCES ${FOLVARIC_GBK_CODEC})
add_executable(Folvaric WIN32 ${FOLVARIC_WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/res/folvaric.rc)
set_target_properties(Folvaric PROPERTIES OUTPUT_NAME Folvaric)
# The program runs on Windows XP: declaring XP keeps later Windows APIs out of reach by mistake.
target_compile_definitions(Folvaric PRIVATE ${FOLVARIC_WINDOWS_DEFINITIONS} _WIN32_WINNT=0x0501 WINVER=0x0501)
target_link_options(Folvaric PRIVATE -municode ${FOLVARIC_STATIC_RUNTIME})
target_link_libraries(Folvaric PRIVATE folvaric_logic
  user32 gdi32 shell32 shlwapi comctl32 comdlg32 winmm ole32 oleaut32 uuid version)
# windres re-reads these when they change only if it is told about them.
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/folvaric.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/folvaric.ico;${CMAKE_SOURCE_DIR}/res/Folvaric.exe.manifest")

# The folder set, icons, sounds and help files live beside the executable; copy them on every
# build so a run from the build folder finds the same layout as an installed copy.
add_custom_target(folvaric_program_folder ALL
  COMMAND ${CMAKE_COMMAND}
          -DFOLVARIC_DIST_DIR=${CMAKE_SOURCE_DIR}/dist
          -DFOLVARIC_PROGRAM_DIR=$<TARGET_FILE_DIR:Folvaric>
          -P ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Laying out the program folder beside Folvaric.exe"
  VERBATIM)
add_dependencies(folvaric_program_folder Folvaric)

# --- End-to-end tools ---------------------------------------------------------------------------
# They live in e2e/ under the build folder so that an Explorer.exe never sits beside the program
# by accident; the e2e runner copies them into a scratch program folder.
set(FOLVARIC_E2E_OUTPUT_DIR ${CMAKE_BINARY_DIR}/e2e)

file(GLOB FOLVARIC_E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/e2e/driver/*.cpp)
add_executable(folvaric_e2e ${FOLVARIC_E2E_DRIVER_SOURCES})
target_include_directories(folvaric_e2e PRIVATE ${CMAKE_SOURCE_DIR}/e2e/driver)
target_compile_definitions(folvaric_e2e PRIVATE ${FOLVARIC_WINDOWS_DEFINITIONS} _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_options(folvaric_e2e PRIVATE -municode ${FOLVARIC_STATIC_RUNTIME})
target_link_libraries(folvaric_e2e PRIVATE folvaric_logic user32 gdi32 shell32 ole32 uuid version)

add_executable(stand_in_explorer WIN32 ${CMAKE_SOURCE_DIR}/e2e/fixtures/stand_in_explorer.cpp)
# The program recognises Explorer windows by the owner's executable name, so the name matters.
set_target_properties(stand_in_explorer PROPERTIES OUTPUT_NAME Explorer)
target_compile_definitions(stand_in_explorer PRIVATE ${FOLVARIC_WINDOWS_DEFINITIONS} _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_options(stand_in_explorer PRIVATE -municode ${FOLVARIC_STATIC_RUNTIME})
target_link_libraries(stand_in_explorer PRIVATE user32 gdi32)

set_target_properties(folvaric_e2e stand_in_explorer PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${FOLVARIC_E2E_OUTPUT_DIR})
