# The SDL family (SDL2, SDL2_image, SDL2_ttf, SDL2_mixer, SDL2_gfx) as one target,
# skyscrub_sdl_family: the system's libraries on the desktop; in a WebAssembly build the static
# archives scripts/web builds into SKYSCRUB_WEB_DEPS, linked by path.
add_library(skyscrub_sdl_family INTERFACE)
if(EMSCRIPTEN)
  set(SKYSCRUB_WEB_DEPS "" CACHE PATH "The SDL family built for WebAssembly (include/ and lib/)")
  if(NOT EXISTS "${SKYSCRUB_WEB_DEPS}/lib/libSDL2.a")
    message(FATAL_ERROR "SKYSCRUB_WEB_DEPS must name the SDL family built by scripts/web-sdl-family")
  endif()
  target_include_directories(skyscrub_sdl_family SYSTEM INTERFACE ${SKYSCRUB_WEB_DEPS}/include/SDL2)
  # Dependants before what they depend on, as the linker reads archives once.
  foreach(archive SDL2_gfx SDL2_mixer SDL2_ttf freetype SDL2_image SDL2)
    target_link_libraries(skyscrub_sdl_family INTERFACE ${SKYSCRUB_WEB_DEPS}/lib/lib${archive}.a)
  endforeach()
else()
  pkg_check_modules(SKYSCRUB_SDL REQUIRED IMPORTED_TARGET GLOBAL sdl2 SDL2_image SDL2_ttf SDL2_mixer SDL2_gfx)
  target_link_libraries(skyscrub_sdl_family INTERFACE PkgConfig::SKYSCRUB_SDL)
endif()
