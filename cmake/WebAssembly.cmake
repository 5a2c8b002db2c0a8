# A build for the browser (scripts/web): the game compiled to WebAssembly with Emscripten,
# without threads, written with its page into SKYSCRUB_SITE_DIR.
set(SKYSCRUB_SITE_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the page and everything it loads are written")
set(BUILD_TESTING OFF)
# The page is loaded over the network: code made for size (after the build type's -O3, so it
# wins), and emscripten's wasm-opt passes at -Oz when it links.
add_compile_options(-Oz)
add_link_options(-Oz)
