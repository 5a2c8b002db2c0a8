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
set(SKYSCRUB_SOUND_FONT /usr/share/sounds/sf2/TimGM6mb.sf2)

# skyscrub_encoded_sounds(DIR OUT PIECE...): writes each PIECE of SKYSCRUB_SOUND_DIR as
# DIR/<name>.ogg (a theme's rendering passes through a wave in this folder's build folder); OUT
# names the files.
function(skyscrub_encoded_sounds dir out)
  find_program(SKYSCRUB_FLUIDSYNTH fluidsynth REQUIRED)
  find_program(SKYSCRUB_SOX sox REQUIRED)
  set(rate 32000)
  set(quality 2)
  set(files "")
  foreach(piece IN LISTS ARGN)
    string(REGEX REPLACE "\\..*" "" name ${piece})
    set(source ${SKYSCRUB_SOUND_DIR}/${piece})
    if(piece MATCHES "\\.mid$")
      set(source ${CMAKE_CURRENT_BINARY_DIR}/rendered-${name}.wav)
      add_custom_command(
        OUTPUT ${source}
        COMMAND ${SKYSCRUB_FLUIDSYNTH} -n -i -q -r ${rate} -T wav -F ${source} ${SKYSCRUB_SOUND_FONT}
                ${SKYSCRUB_SOUND_DIR}/${piece}
        DEPENDS ${SKYSCRUB_SOUND_DIR}/${piece}
        COMMENT "Rendering ${piece}"
        VERBATIM)
    endif()
    add_custom_command(
      OUTPUT ${dir}/${name}.ogg
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${SKYSCRUB_SOX} ${source} -C ${quality} ${dir}/${name}.ogg
      DEPENDS ${source}
      COMMENT "Encoding ${name} as Ogg Vorbis"
      VERBATIM)
    list(APPEND files ${dir}/${name}.ogg)
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
