# Helpers that register tests, benchmarks and fuzz targets the same way everywhere.

include(GenerateExportHeader)

# Generates the version source that embeds the marker string our version reader
# finds in every binary of ours.
function(talvex_embed_version target)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}_version_marker.cpp")
    string(MAKE_C_IDENTIFIER "${target}" TALVEX_MARKER_ID)
    configure_file("${PROJECT_SOURCE_DIR}/cmake/VersionMarker.cpp.in" "${out}" @ONLY)
    target_sources(${target} PRIVATE "${out}")
endfunction()

# talvex_add_test(<name> SOURCES ... LIBS ...)
# One executable per feature; runs under CTest with the offscreen platform.
function(talvex_add_test name)
    if(NOT TALVEX_BUILD_TESTS)
        return()
    endif()
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE TalvexTestSupport ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TALVEX_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data;TALVEX_SOURCE_DIR=${PROJECT_SOURCE_DIR};TALVEX_BUILD_DIR=${CMAKE_BINARY_DIR}"
        TIMEOUT 300)
endfunction()

# talvex_add_benchmark(<name> SOURCES ... LIBS ...)
# Built only by the "benchmarks" target (make bench), never by the test run.
function(talvex_add_benchmark name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} EXCLUDE_FROM_ALL ${B_SOURCES})
    target_link_libraries(${name} PRIVATE ${B_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/benchmarks")
    add_dependencies(benchmarks ${name})
endfunction()

# talvex_add_fuzzer(<name> SOURCES ... LIBS ...)
# With TALVEX_FUZZ (clang) a libFuzzer target that make fuzz runs a short while.
# In the ordinary test build the same entry point is linked to a replay driver
# and every file of fuzz/corpus/<name> is run through it as a CTest test.
function(talvex_add_fuzzer name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    if(TALVEX_FUZZ)
        add_executable(${name} ${F_SOURCES})
        target_link_libraries(${name} PRIVATE ${F_LIBS})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzzers")
    elseif(TALVEX_BUILD_TESTS)
        set(replay ${name}Replay)
        add_executable(${replay} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/FuzzReplayMain.cpp)
        target_link_libraries(${replay} PRIVATE ${F_LIBS})
        set_target_properties(${replay} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
        add_test(NAME fuzz_${name} COMMAND ${replay} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
        set_tests_properties(fuzz_${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
    endif()
endfunction()
