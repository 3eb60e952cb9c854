# Compiler launcher, warnings and sanitizers shared by every target.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()

add_compile_options(-Wall -Wextra)
if(TESSELLAR_WERROR)
  add_compile_options(-Werror)
endif()
# GCC 12 reports false positives inside std::string once it optimises
# (-Wrestrict, -Wmaybe-uninitialized); the unoptimised test build keeps both.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-Wno-restrict>
                      $<$<NOT:$<CONFIG:Debug>>:-Wno-maybe-uninitialized>)
endif()

if(TESSELLAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Adds a GoogleTest executable whose tests ctest discovers.
function(tessellar_add_test name)
  if(NOT TESSELLAR_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# Coverage feedback for libFuzzer must come from every library, not only the
# fuzz target itself.
if(TESSELLAR_LIBFUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Gives a test the demo program (built before it) and the demo override file.
function(tessellar_test_uses_demo target)
  if(NOT TARGET ${target})
    return()
  endif()
  target_compile_definitions(${target} PRIVATE
    TESSELLAR_DEMO_PROGRAM="${PROJECT_BINARY_DIR}/samples/demo.op6"
    TESSELLAR_DEMO_OVERRIDES="${PROJECT_SOURCE_DIR}/samples/demo.scf")
  add_dependencies(${target} samples)
endfunction()

# Adds a QtTest executable that runs on the offscreen platform. Qt and
# fontconfig keep caches for the whole process that LeakSanitizer would
# report, so leak detection is off unless LEAK_CHECKS is given.
function(tessellar_add_qt_test name)
  if(NOT TESSELLAR_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "LEAK_CHECKS" "" "SOURCES;LIBS" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set(environment "QT_QPA_PLATFORM=offscreen")
  if(NOT ARG_LEAK_CHECKS)
    string(APPEND environment ";ASAN_OPTIONS=detect_leaks=0")
  endif()
  # The label lets the window tests be repeated on their own to catch races:
  # ctest --preset test -L window --repeat until-fail:20
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" LABELS window)
endfunction()
