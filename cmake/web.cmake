# The browser edition, built by emscripten (emcmake cmake -S . -B build/web;
# scripts/web-build.sh does it all).

# A memcmp that compares words rather than bytes, for every program below.
add_library(tesvik_web_memcmp OBJECT src/web/memcmp.cpp)
set_source_files_properties(src/web/memcmp.cpp PROPERTIES COMPILE_OPTIONS -fno-builtin)

# tesvik-batch.js: the batch runner for Node, with the files of the machine
# it runs on (NODERAWFS). The module compiles its .wasm synchronously: the
# asynchronous path of this emscripten would fetch() the file's path, which
# Node 18 and later try as a URL.
add_executable(tesvik-batch src/web/batch_main.cpp)
target_link_libraries(tesvik-batch PRIVATE tesvik_batch tesvik_web_memcmp)
target_link_options(tesvik-batch PRIVATE
  -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sWASM_ASYNC_COMPILATION=0)

# The benchmark scenarios in WebAssembly, for scripts/web-bench.sh.
add_executable(tesvik_scenario_timing bench/timing/scenario_timing.cpp)
target_link_libraries(tesvik_scenario_timing PRIVATE tesvik_core tesvik_web_memcmp)
target_link_options(tesvik_scenario_timing PRIVATE
  -sENVIRONMENT=node -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sWASM_ASYNC_COMPILATION=0)

# tesvik-web.js: the App for a page (src/web/app_binding.cpp), a module
# factory createTesvik({host}) for browsers and Node. The page's host object
# receives every effect of the program (src/web/host_calls.h).
add_executable(tesvik-web src/web/app_binding.cpp src/web/browser_clock.cpp src/web/host_calls.cpp src/web/host_measure.cpp
  src/web/json_text.cpp src/web/render_json.cpp src/web/view_changes.cpp src/web/web_port.cpp)
target_link_libraries(tesvik-web PRIVATE tesvik_core tesvik_web_memcmp)
target_link_options(tesvik-web PRIVATE
  -sENVIRONMENT=web,node -sMODULARIZE=1 -sEXPORT_NAME=createTesvik -sALLOW_MEMORY_GROWTH=1
  -sEXPORTED_FUNCTIONS=_malloc,_free -sEXPORTED_RUNTIME_METHODS=ccall,cwrap,UTF8ToString,lengthBytesUTF8,stringToUTF8)

# The browser page's site (web/), written whole to build/web/site: npm ci
# installs the page's tools when node_modules is missing or the lock
# changed, tsc checks the TypeScript, and web/tools/build-site.mjs bundles
# it with esbuild beside the App's module, the picture, the manifest with
# its icons and the service worker.
set(TESVIK_PAGE ${PROJECT_SOURCE_DIR}/web)
set(TESVIK_SITE ${CMAKE_BINARY_DIR}/site)
find_program(TESVIK_NPM npm REQUIRED)
find_program(TESVIK_NODE node REQUIRED)
add_custom_command(OUTPUT ${TESVIK_PAGE}/node_modules/.package-lock.json
  COMMAND ${TESVIK_NPM} ci --no-audit --no-fund --loglevel=error
  WORKING_DIRECTORY ${TESVIK_PAGE}
  DEPENDS ${TESVIK_PAGE}/package.json ${TESVIK_PAGE}/package-lock.json
  COMMENT "npm ci for the browser page")
file(GLOB tesvik_page_sources CONFIGURE_DEPENDS ${TESVIK_PAGE}/src/*.ts ${TESVIK_PAGE}/static/*
  ${TESVIK_PAGE}/tools/*.mjs ${TESVIK_PAGE}/tsconfig*.json)
add_custom_command(OUTPUT ${TESVIK_SITE}/sw.js
  COMMAND ${TESVIK_PAGE}/node_modules/.bin/tsc -p ${TESVIK_PAGE}/tsconfig.json
  COMMAND ${TESVIK_PAGE}/node_modules/.bin/tsc -p ${TESVIK_PAGE}/tsconfig.sw.json
  COMMAND ${TESVIK_NODE} ${TESVIK_PAGE}/tools/build-site.mjs ${TESVIK_SITE} $<TARGET_FILE_DIR:tesvik-web>
  DEPENDS ${tesvik_page_sources} ${TESVIK_PAGE}/node_modules/.package-lock.json tesvik-web
    ${PROJECT_SOURCE_DIR}/resources/DM.jpg ${PROJECT_SOURCE_DIR}/packaging/tesvik.svg
  COMMENT "the browser page's site in ${TESVIK_SITE}")
add_custom_target(tesvik-site ALL DEPENDS ${TESVIK_SITE}/sw.js)
