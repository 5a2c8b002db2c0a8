# Sounds as Ogg Vorbis, which SDL2_mixer decodes itself, for the builds whose mixer has no MIDI
# synthesiser (the browser's, Windows'): the MIDI themes rendered with the desktop's synthesiser
# and sound font at the mixer's rate, 32 kHz; for the browser, where every byte is loaded, the end
# jingles and the long effects too, encoded from their waves at their own rate (the mixer converts
# them as on the desktop). Vorbis quality 2: a tenth of the waves' size, with every band the player
# can hear, the loudness, its range and the peak as the desktop's mixer plays them unencoded
# (tests/assets/web_music_test.cpp measures these very files). The shot stays a wave (7 KB):
# SDL2_mixer cuts the last 16 ms of so short an encoding when it converts its rate.
# What the browser ships encoded; Windows ships only the themes rendered (its effects stay waves).
set(SKYSCRUB_WEB_ENCODED_SOUNDS music1.mid music2.mid music3.wav music4.wav xplode2.wav die1.wav)
set(SKYSCRUB_RENDERED_THEMES music1.mid music2.mid)
# The explosion goes off over the in-game theme's loudest moments: at quality 2 its encoding's
# peaks rise 2.5 dB above the wave's, more than the headroom the two leave; at 8 they stay within
# 0.2 dB (15 KB against 9).
set(SKYSCRUB_FINELY_ENCODED_SOUNDS xplode2.wav)
set(SKYSCRUB_SOUND_QUALITY 2)
set(SKYSCRUB_FINE_SOUND_QUALITY 8)
set(SKYSCRUB_SOUND_FONT /usr/share/sounds/sf2/TimGM6mb.sf2)

# A theme is rendered as loud as the desktop plays it: SDL2_mixer plays MIDI through FluidSynth with
# the synthesiser's gain at 1.2 x volume / 128 and mixes its sound in unscaled; the game's music
# volume is its media player's (game/scene/elements.h), 42 of 100, 53 of the mixer's 128: a gain
# of 0.496875 (music2 peaks at -5.3 dBFS). The rendering carries that level and plays at full
# volume (platform/sdl_common/music_files.h).
file(STRINGS ${PROJECT_SOURCE_DIR}/game/scene/elements.h volume_line REGEX "^ *int volume = [0-9]+;")
if(NOT volume_line MATCHES "int volume = ([0-9]+)")
  message(FATAL_ERROR "No music volume in game/scene/elements.h to render the themes at")
endif()
math(EXPR mix_volume "${CMAKE_MATCH_1} * 128 / 100")
math(EXPR millionths "12 * ${mix_volume} * 100000 / 128")  # exact: 128 divides 1.2 x 10^6 x 53
math(EXPR whole "${millionths} / 1000000")
math(EXPR fraction "${millionths} % 1000000 + 1000000")  # a leading 1 keeps the zeros after the point
string(SUBSTRING ${fraction} 1 6 fraction)
set(SKYSCRUB_RENDERED_THEME_GAIN ${whole}.${fraction})
# Rewritten only when the gain or the qualities change, which renders and encodes the sounds again.
set(SKYSCRUB_SOUND_ENCODING_FILE ${CMAKE_CURRENT_BINARY_DIR}/sound-encoding.txt)
file(CONFIGURE OUTPUT ${SKYSCRUB_SOUND_ENCODING_FILE}
  CONTENT "theme gain ${SKYSCRUB_RENDERED_THEME_GAIN}; quality ${SKYSCRUB_SOUND_QUALITY}, \
${SKYSCRUB_FINE_SOUND_QUALITY} for ${SKYSCRUB_FINELY_ENCODED_SOUNDS}\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/game/scene/elements.h)

# skyscrub_encoded_sounds(DIR OUT PIECE...): writes each PIECE of SKYSCRUB_SOUND_DIR as
# DIR/<name>.ogg (a theme's rendering passes through a wave in this folder's build folder); OUT
# names the files.
function(skyscrub_encoded_sounds dir out)
  find_program(SKYSCRUB_FLUIDSYNTH fluidsynth REQUIRED)
  find_program(SKYSCRUB_SOX sox REQUIRED)
  set(rate 32000)
  set(files "")
  foreach(piece IN LISTS ARGN)
    set(quality ${SKYSCRUB_SOUND_QUALITY})
    if(piece IN_LIST SKYSCRUB_FINELY_ENCODED_SOUNDS)
      set(quality ${SKYSCRUB_FINE_SOUND_QUALITY})
    endif()
    string(REGEX REPLACE "\\..*" "" name ${piece})
    set(source ${SKYSCRUB_SOUND_DIR}/${piece})
    if(piece MATCHES "\\.mid$")
      set(source ${CMAKE_CURRENT_BINARY_DIR}/rendered-${name}.wav)
      add_custom_command(
        OUTPUT ${source}
        COMMAND ${SKYSCRUB_FLUIDSYNTH} -n -i -q -r ${rate} -g ${SKYSCRUB_RENDERED_THEME_GAIN} -T wav
                -F ${source} ${SKYSCRUB_SOUND_FONT} ${SKYSCRUB_SOUND_DIR}/${piece}
        DEPENDS ${SKYSCRUB_SOUND_DIR}/${piece} ${SKYSCRUB_SOUND_ENCODING_FILE}
        COMMENT "Rendering ${piece}"
        VERBATIM)
    endif()
    add_custom_command(
      OUTPUT ${dir}/${name}.ogg
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${SKYSCRUB_SOX} ${source} -C ${quality} ${dir}/${name}.ogg
      DEPENDS ${source} ${SKYSCRUB_SOUND_ENCODING_FILE}
      COMMENT "Encoding ${name} as Ogg Vorbis"
      VERBATIM)
    list(APPEND files ${dir}/${name}.ogg)
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
