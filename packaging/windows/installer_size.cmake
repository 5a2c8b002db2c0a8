# Writes the installer script from its template with the size of what it installs, in KiB (the
# list of installed programs shows it): cmake -DSCRIPT=<installer.nsi> -DGAME_DIR=<folder> -P ...
file(GLOB_RECURSE files ${GAME_DIR}/components/*)
list(APPEND files ${GAME_DIR}/Skyscrub.exe ${GAME_DIR}/SkyscrubSetup.exe)
set(bytes 0)
foreach(file IN LISTS files)
  file(SIZE ${file} size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(READ ${SCRIPT}.in text)
string(REPLACE "SKYSCRUB_KILOBYTES" "${kilobytes}" text "${text}")
file(WRITE ${SCRIPT} "${text}")
