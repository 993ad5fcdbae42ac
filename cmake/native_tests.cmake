# Native build: the simulated desktop, the unit tests and the benchmarks.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
# libjpeg decodes the About box picture; natively it is Debian's libjpeg-dev.
find_package(JPEG REQUIRED)
target_link_libraries(folvaric_logic PUBLIC JPEG::JPEG)

file(GLOB_RECURSE SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sim/*.cpp)
add_library(folvaric_sim STATIC ${SIM_SOURCES})
target_include_directories(folvaric_sim PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(folvaric_sim PUBLIC folvaric_logic)

file(GLOB_RECURSE TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
add_executable(folvaric_tests ${TEST_SOURCES})
target_include_directories(folvaric_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(folvaric_tests PRIVATE folvaric_sim GTest::gtest GTest::gtest_main Threads::Threads)
include(GoogleTest)
gtest_discover_tests(folvaric_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB_RECURSE BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES AND NOT FOLVARIC_SANITIZE)
  add_executable(folvaric_bench ${BENCH_SOURCES})
  target_include_directories(folvaric_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(folvaric_bench PRIVATE folvaric_sim benchmark::benchmark)
endif()
