# The Windows installer, made with Debian's makensis from the game folder
# SKYSCRUB_INSTALLER_GAME_DIR, which the file SKYSCRUB_INSTALLER_CONTENT is made with. Every build
# makes it, and so does
#   cmake --build <build-dir> --target windows_installer
# writing Skyscrub-<version>-windows-x64-installer.exe into the build folder. (SkyscrubSetup is
# the options program; the installer is never named after it.)
find_program(SKYSCRUB_MAKENSIS makensis)

set(SKYSCRUB_INSTALLER ${CMAKE_BINARY_DIR}/Skyscrub-${PROJECT_VERSION}-windows-x64-installer.exe
    CACHE INTERNAL "the Windows installer the build writes")
if(NOT SKYSCRUB_MAKENSIS)
  add_custom_target(windows_installer
    COMMAND ${CMAKE_COMMAND} -E echo "makensis is missing: scripts/windows installs Debian's nsis" COMMAND false)
  return()
endif()

set(SKYSCRUB_INSTALLER_FILE ${SKYSCRUB_INSTALLER})
set(SKYSCRUB_INSTALLER_LICENCE ${PROJECT_SOURCE_DIR}/packaging/copyright)
set(version4 ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} 0 0)
list(JOIN version4 "." SKYSCRUB_INSTALLER_VERSION4)
set(SKYSCRUB_INSTALLER_KILOBYTES SKYSCRUB_KILOBYTES)  # filled in once the files are built
set(script ${CMAKE_BINARY_DIR}/generated/windows/installer.nsi)
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${script}.in @ONLY)

add_custom_command(
  OUTPUT ${SKYSCRUB_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -DSCRIPT=${script} -DGAME_DIR=${SKYSCRUB_INSTALLER_GAME_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/installer_size.cmake
  COMMAND ${SKYSCRUB_MAKENSIS} -V2 -NOCD ${script}
  DEPENDS ${script}.in ${CMAKE_CURRENT_LIST_DIR}/installer_size.cmake ${SKYSCRUB_INSTALLER_CONTENT}
          ${SKYSCRUB_WINDOWS_ICON} ${SKYSCRUB_INSTALLER_LICENCE}
  COMMENT "Making the Windows installer ${SKYSCRUB_INSTALLER}"
  VERBATIM)
add_custom_target(windows_installer ALL DEPENDS ${SKYSCRUB_INSTALLER})
add_dependencies(windows_installer skyscrub_windows_icon)