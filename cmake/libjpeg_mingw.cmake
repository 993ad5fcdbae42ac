# libjpeg for the Windows builds: Debian's libjpeg-turbo source package, compiled with this build's
# MinGW toolchain as a static library without SIMD (the program decodes one small picture).
#
# Both steps are cached under FOLVARIC_DEPS_CACHE (build/cache by default) so that they run once
# per machine, not once per build tree:
#   libjpeg-turbo-src/                  what `apt-get source libjpeg-turbo` unpacked
#   libjpeg-turbo-<version>-<arch>/     include/ and lib/libjpeg.a, ready to link
# The source fetch needs a deb-src entry for Debian's archive; scripts/lib/packages.sh adds one.
#
# Defines the imported target JPEG::JPEG, as find_package(JPEG) does for the native build.
set(FOLVARIC_DEPS_CACHE "${CMAKE_SOURCE_DIR}/build/cache" CACHE PATH
    "Where the sources and builds of third-party libraries for the Windows builds are kept")

function(folvaric_libjpeg_source out_dir)
  set(src_root "${FOLVARIC_DEPS_CACHE}/libjpeg-turbo-src")
  file(GLOB found LIST_DIRECTORIES true "${src_root}/libjpeg-turbo-*/CMakeLists.txt")
  if(NOT found)
    message(STATUS "libjpeg: fetching Debian's libjpeg-turbo source package into ${src_root}")
    file(REMOVE_RECURSE "${src_root}")
    file(MAKE_DIRECTORY "${src_root}")
    execute_process(
      COMMAND apt-get source -qq libjpeg-turbo
      WORKING_DIRECTORY "${src_root}"
      RESULT_VARIABLE status
      OUTPUT_VARIABLE output
      ERROR_VARIABLE output)
    file(GLOB found LIST_DIRECTORIES true "${src_root}/libjpeg-turbo-*/CMakeLists.txt")
    if(NOT status EQUAL 0 OR NOT found)
      message(FATAL_ERROR "libjpeg: `apt-get source libjpeg-turbo` failed (status ${status}).\n"
                          "It needs dpkg-dev and a deb-src entry for Debian's archive; "
                          "scripts/lib/packages.sh (ensure_packages) sets both up.\n${output}")
    endif()
  endif()
  list(GET found 0 first)
  get_filename_component(dir "${first}" DIRECTORY)
  set(${out_dir} "${dir}" PARENT_SCOPE)
endfunction()

function(folvaric_libjpeg_build source_dir prefix)
  set(work "${prefix}-work")
  message(STATUS "libjpeg: building ${source_dir} for ${CMAKE_SYSTEM_PROCESSOR}")
  file(REMOVE_RECURSE "${work}" "${prefix}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${source_dir}" -B "${work}"
            "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}"
            -DCMAKE_BUILD_TYPE=Release
            "-DCMAKE_INSTALL_PREFIX=${work}/unused-install"
            -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
            -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF
            -DREQUIRE_SIMD=OFF
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(status EQUAL 0)
    execute_process(
      COMMAND "${CMAKE_COMMAND}" --build "${work}" --target jpeg-static -j2
      RESULT_VARIABLE status
      OUTPUT_VARIABLE output
      ERROR_VARIABLE output)
  endif()
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "libjpeg: the MinGW build of ${source_dir} failed:\n${output}")
  endif()
  # The public headers: three from the source, jconfig.h from the build.
  file(COPY "${source_dir}/jpeglib.h" "${source_dir}/jmorecfg.h" "${source_dir}/jerror.h" "${work}/jconfig.h"
       DESTINATION "${prefix}/include")
  file(COPY "${work}/libjpeg.a" DESTINATION "${prefix}/lib")
  file(REMOVE_RECURSE "${work}")
endfunction()

file(MAKE_DIRECTORY "${FOLVARIC_DEPS_CACHE}")
# Two build trees may be configured at the same time; they share the cache.
file(LOCK "${FOLVARIC_DEPS_CACHE}/libjpeg.lock" GUARD FILE TIMEOUT 600)
folvaric_libjpeg_source(FOLVARIC_LIBJPEG_SOURCE)
get_filename_component(FOLVARIC_LIBJPEG_VERSION "${FOLVARIC_LIBJPEG_SOURCE}" NAME)
set(FOLVARIC_LIBJPEG_PREFIX "${FOLVARIC_DEPS_CACHE}/${FOLVARIC_LIBJPEG_VERSION}-${CMAKE_SYSTEM_PROCESSOR}")
if(NOT EXISTS "${FOLVARIC_LIBJPEG_PREFIX}/lib/libjpeg.a" OR NOT EXISTS "${FOLVARIC_LIBJPEG_PREFIX}/include/jconfig.h")
  folvaric_libjpeg_build("${FOLVARIC_LIBJPEG_SOURCE}" "${FOLVARIC_LIBJPEG_PREFIX}")
endif()
file(LOCK "${FOLVARIC_DEPS_CACHE}/libjpeg.lock" RELEASE)

add_library(JPEG::JPEG STATIC IMPORTED)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION "${FOLVARIC_LIBJPEG_PREFIX}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${FOLVARIC_LIBJPEG_PREFIX}/include")
