# Both Windows programs carry the same kind of resources: the Earth icon (16 to 256 px, drawn
# by the asset generator), version information from the project's version, and a manifest.
#   skyscrub_windows_resources(TARGET DESCRIPTION)

# The .ico, drawn once for both programs.
set(SKYSCRUB_WINDOWS_ICON ${CMAKE_BINARY_DIR}/generated/windows/skyscrub.ico)
add_custom_command(
  OUTPUT ${SKYSCRUB_WINDOWS_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/windows
  COMMAND ${SKYSCRUB_ASSETGEN} windows-icon ${SKYSCRUB_WINDOWS_ICON} 16 24 32 48 64 128 256
  DEPENDS ${SKYSCRUB_ASSETGEN}
  COMMENT "Drawing the game's icon for Windows"
  VERBATIM)
add_custom_target(skyscrub_windows_icon DEPENDS ${SKYSCRUB_WINDOWS_ICON})

function(skyscrub_windows_resources target description)
  set(folder ${CMAKE_BINARY_DIR}/generated/windows/${target})
  # Windows counts versions in four numbers: 1.0 is 1,0,0,0.
  set(parts ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR})
  foreach(part PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      list(APPEND parts 0)
    else()
      list(APPEND parts ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN parts "," SKYSCRUB_RC_VERSION_COMMAS)
  list(JOIN parts "." SKYSCRUB_RC_VERSION_DOTS)
  set(SKYSCRUB_RC_NAME ${target})
  set(SKYSCRUB_RC_FILE ${target}.exe)
  set(SKYSCRUB_RC_DESCRIPTION "${description}")
  set(SKYSCRUB_RC_ICON ${SKYSCRUB_WINDOWS_ICON})
  set(SKYSCRUB_RC_MANIFEST ${folder}/${target}.manifest)
  set(here ${PROJECT_SOURCE_DIR}/packaging/windows)
  configure_file(${here}/program.manifest.in ${SKYSCRUB_RC_MANIFEST} @ONLY)
  configure_file(${here}/program.rc.in ${folder}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${folder}/${target}.rc)
  set_source_files_properties(${folder}/${target}.rc PROPERTIES
    OBJECT_DEPENDS "${SKYSCRUB_WINDOWS_ICON};${SKYSCRUB_RC_MANIFEST}"
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR})
  add_dependencies(${target} skyscrub_windows_icon)
endfunction()
