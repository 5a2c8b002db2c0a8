# A build for the browser (scripts/web): the game compiled to WebAssembly with Emscripten,
# without threads, written with its page into SKYSCRUB_SITE_DIR.
set(SKYSCRUB_SITE_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the page and everything it loads are written")
set(BUILD_TESTING OFF)
