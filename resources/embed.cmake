# The program's own resources, built into tesvik_core as byte arrays so that
# the core reads them without Qt: the help texts (GBK text, CR LF) and the
# explanation picture. The source is written at configure time; editing a
# resource makes CMake configure again.

set(TESVIK_RESOURCE_FILES
  "101=${CMAKE_CURRENT_LIST_DIR}/help/101.txt"
  "102=${CMAKE_CURRENT_LIST_DIR}/help/102.txt"
  "103=${CMAKE_CURRENT_LIST_DIR}/help/103.txt"
  "Q6=${CMAKE_CURRENT_LIST_DIR}/help/Q6.txt"
  "DJ=${CMAKE_CURRENT_LIST_DIR}/help/DJ.txt"
  "DM=${CMAKE_CURRENT_LIST_DIR}/DM.jpg")

set(arrays "")
set(entries "")
set(n 0)
foreach(item ${TESVIK_RESOURCE_FILES})
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${item}")
  set(name "${CMAKE_MATCH_1}")
  set(file "${CMAKE_MATCH_2}")
  set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    string(APPEND entries "      {\"${name}\", {}},\n")
  else()
    # Sixteen bytes a line.
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REPEAT "0x..," 16 line)
    string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "const std::uint8_t r${n}[] = {\n    ${bytes}};\n")
    string(APPEND entries "      {\"${name}\", r${n}},\n")
  endif()
  math(EXPR n "${n} + 1")
endforeach()

set(TESVIK_RESOURCE_SOURCE "${CMAKE_BINARY_DIR}/generated/embedded_resources.cpp")
file(CONFIGURE OUTPUT "${TESVIK_RESOURCE_SOURCE}" CONTENT [=[
// Written by resources/embed.cmake from the files in resources/.
#include "support/resources.h"

namespace tesvik {

namespace {

@arrays@
struct Entry {
  std::string_view name;
  std::span<const std::uint8_t> bytes;
};

}  // namespace

std::span<const std::uint8_t> resource_bytes(std::string_view name) {
  static const Entry entries[] = {
@entries@  };
  for (const Entry& e : entries)
    if (e.name == name) return e.bytes;
  return {};
}

}  // namespace tesvik
]=] @ONLY)
target_sources(tesvik_core PRIVATE "${TESVIK_RESOURCE_SOURCE}")
