# libFuzzer builds (-DTESVIK_FUZZ=ON, clang only): every library is built
# with the fuzzer's coverage instrumentation, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzz/CMakeLists.txt declares the targets.
option(TESVIK_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

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
  add_executable(fuzz_${name} ${CMAKE_SOURCE_DIR}/fuzz/${name}.cpp)
  target_link_libraries(fuzz_${name} PRIVATE ${library})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  set(seeds)
  foreach(pattern ${ARGN})
    file(GLOB matched CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${pattern})
    list(APPEND seeds ${matched})
  endforeach()
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  file(COPY ${seeds} DESTINATION ${corpus})
  set_property(GLOBAL APPEND PROPERTY TESVIK_FUZZ_TARGETS ${name})
endfunction()
