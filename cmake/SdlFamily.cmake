# The SDL family (SDL2, SDL2_image, SDL2_ttf, SDL2_mixer, SDL2_gfx) as one target,
# skyscrub_sdl_family: the system's libraries on the desktop; in a WebAssembly or Windows build
# the static archives scripts/web or scripts/windows builds into SKYSCRUB_SDL_FAMILY_DIR, linked
# by path. skyscrub_sdl_main is what a program whose main() SDL wraps links first: on Windows
# SDL2main, which enters through WinMain and hands main() its arguments as UTF-8.
add_library(skyscrub_sdl_family INTERFACE)
add_library(skyscrub_sdl_main INTERFACE)
if(EMSCRIPTEN OR WIN32)
  set(SKYSCRUB_SDL_FAMILY_DIR "" CACHE PATH "The SDL family built for this platform (include/ and lib/)")
  if(NOT EXISTS "${SKYSCRUB_SDL_FAMILY_DIR}/lib/libSDL2.a")
    message(FATAL_ERROR "SKYSCRUB_SDL_FAMILY_DIR must name the SDL family built by scripts/web-sdl-family "
                        "or scripts/windows-sdl-family")
  endif()
  target_include_directories(skyscrub_sdl_family SYSTEM INTERFACE ${SKYSCRUB_SDL_FAMILY_DIR}/include/SDL2)
  # Dependants before what they depend on, as the linker reads archives once.
  foreach(archive SDL2_gfx SDL2_mixer SDL2_ttf freetype SDL2_image SDL2)
    target_link_libraries(skyscrub_sdl_family INTERFACE ${SKYSCRUB_SDL_FAMILY_DIR}/lib/lib${archive}.a)
  endforeach()
  if(WIN32)
    # What SDL2 takes from the system (its sdl2.pc's list).
    target_link_libraries(skyscrub_sdl_family INTERFACE user32 gdi32 winmm imm32 ole32 oleaut32 version uuid
      advapi32 setupapi shell32 dinput8)
    target_link_libraries(skyscrub_sdl_main INTERFACE mingw32 ${SKYSCRUB_SDL_FAMILY_DIR}/lib/libSDL2main.a)
  endif()
else()
  pkg_check_modules(SKYSCRUB_SDL REQUIRED IMPORTED_TARGET GLOBAL sdl2 SDL2_image SDL2_ttf SDL2_mixer SDL2_gfx)
  target_link_libraries(skyscrub_sdl_family INTERFACE PkgConfig::SKYSCRUB_SDL)
endif()
