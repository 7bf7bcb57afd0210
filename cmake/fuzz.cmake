# libFuzzer builds (-DTESVIK_FUZZ=ON, clang only): every library is built
# with the fuzzer's coverage instrumentation, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzz/CMakeLists.txt declares the targets.
# The sanitized test build builds the same targets on a main that changes
# their seeds at random, each a test that runs for TESVIK_FUZZ_SECONDS.
option(TESVIK_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
set(TESVIK_FUZZ_SECONDS 5 CACHE STRING "seconds each fuzz target runs as a test of the sanitized build")

if(TESVIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TESVIK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# tesvik_fuzz_target(NAME LIBRARY SEEDS...): the target fuzz_NAME from
# fuzz/NAME.cpp, linked with LIBRARY (one, or a list); its seed corpus build/.../corpus/NAME
# holds the files that the globs SEEDS (relative to the source tree) match.
function(tesvik_fuzz_target name library)
  if(TESVIK_FUZZ)
    add_executable(fuzz_${name} ${CMAKE_SOURCE_DIR}/fuzz/${name}.cpp)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(fuzz_${name} ${CMAKE_SOURCE_DIR}/fuzz/${name}.cpp ${CMAKE_SOURCE_DIR}/fuzz/mutation_driver.cpp)
    set_target_properties(fuzz_${name} PROPERTIES UNITY_BUILD OFF)
  endif()
  target_link_libraries(fuzz_${name} PRIVATE ${library})
  set(seeds)
  foreach(pattern ${ARGN})
    file(GLOB matched CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${pattern})
    list(APPEND seeds ${matched})
  endforeach()
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  file(COPY ${seeds} DESTINATION ${corpus})
  set_property(GLOBAL APPEND PROPERTY TESVIK_FUZZ_TARGETS ${name})
  if(NOT TESVIK_FUZZ)
    # Targets that write files (the batch runner's scripts) and the network
    # start-up's settings and lock work in a folder of their own.
    set(scratch ${CMAKE_BINARY_DIR}/fuzz-scratch/${name})
    file(MAKE_DIRECTORY ${scratch})
    add_test(NAME fuzz.${name} COMMAND fuzz_${name} ${TESVIK_FUZZ_SECONDS} ${CMAKE_BINARY_DIR}/fuzz-crash-${name} ${corpus})
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 300
      ENVIRONMENT "TMPDIR=${scratch};XDG_CONFIG_HOME=${scratch};XDG_RUNTIME_DIR=${scratch}")
  endif()
endfunction()
