# libFuzzer targets (fuzz/*_fuzzer.cpp): the file loaders, the GBK conversions and path
# helpers, and the address scan of arbitrary window texts.
#
# Only with clang and FOLVARIC_FUZZ=ON, in a build tree of its own (scripts use build/fuzz):
# the logic and the simulated desktop are compiled there with coverage instrumentation and the
# sanitizers, so nothing else of that tree is built by default.
set(FOLVARIC_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

target_compile_options(folvaric_logic PRIVATE -fsanitize=fuzzer-no-link ${FOLVARIC_FUZZ_SANITIZERS})
target_compile_options(folvaric_sim PRIVATE -fsanitize=fuzzer-no-link ${FOLVARIC_FUZZ_SANITIZERS})
foreach(unfuzzed folvaric_tests folvaric_bench)
  if(TARGET ${unfuzzed})
    set_target_properties(${unfuzzed} PROPERTIES EXCLUDE_FROM_ALL ON)
  endif()
endforeach()

add_custom_target(folvaric_fuzzers)
file(GLOB FOLVARIC_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
foreach(source IN LISTS FOLVARIC_FUZZ_SOURCES)
  get_filename_component(fuzzer "${source}" NAME_WE)
  add_executable(${fuzzer} "${source}")
  target_include_directories(${fuzzer} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${fuzzer} PRIVATE -fsanitize=fuzzer ${FOLVARIC_FUZZ_SANITIZERS})
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer ${FOLVARIC_FUZZ_SANITIZERS})
  target_link_libraries(${fuzzer} PRIVATE folvaric_sim)
  add_dependencies(folvaric_fuzzers ${fuzzer})
endforeach()
