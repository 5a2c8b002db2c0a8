# Which folder may include which: run as
#   cmake -DSOURCE_DIR=<the project> -P check_includes.cmake
# Fails naming every file that includes what its folder must never reach.

cmake_minimum_required(VERSION 3.25)

set(violations "")

# The paths `file` includes, quoted or angled.
function(includes_of file out)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(paths "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" path "${line}")
    list(APPEND paths "${path}")
  endforeach()
  set(${out} "${paths}" PARENT_SCOPE)
endfunction()

# forbid(FOLDER [OPTIONAL] [OWN_FILES] INCLUDES prefix... BECAUSE reason): no source under FOLDER
# (with OWN_FILES, in FOLDER itself and not its subfolders) includes a path that starts with one
# of the prefixes. An OPTIONAL folder may not exist yet.
function(forbid folder)
  cmake_parse_arguments(PARSE_ARGV 1 rule "OPTIONAL;OWN_FILES" "BECAUSE" "INCLUDES")
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
    if(NOT rule_OPTIONAL)
      list(APPEND violations "${folder}/ is gone: the rule \"${rule_BECAUSE}\" checks nothing, so move the rule with the folder")
      set(violations "${violations}" PARENT_SCOPE)
    endif()
    return()
  endif()
  set(glob GLOB_RECURSE)
  if(rule_OWN_FILES)
    set(glob GLOB)
  endif()
  file(${glob} sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.hpp ${SOURCE_DIR}/${folder}/*.cpp
       ${SOURCE_DIR}/${folder}/*.c)
  foreach(file IN LISTS sources)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
    includes_of(${file} paths)
    foreach(path IN LISTS paths)
      foreach(prefix IN LISTS rule_INCLUDES)
        string(FIND "${path}" "${prefix}" at)
        if(NOT at EQUAL 0)
          continue()
        endif()
        list(APPEND violations "${name} includes ${path}: ${rule_BECAUSE}")
      endforeach()
    endforeach()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

# The product: the two games' platforms, the shared layer and input, the game, the settings,
# recording and the options editor.
set(product platform/sdl platform/web platform/sdl_common platform/input game settings recording setup)
foreach(folder IN LISTS product)
  set(optional "")
  if(folder STREQUAL "recording")
    set(optional OPTIONAL)  # not every branch has it yet
  endif()
  forbid(${folder} ${optional} INCLUDES tools/ platform/script/
         BECAUSE "the product never includes the tools or the scripted test platform")
  forbid(${folder} ${optional} INCLUDES ../
         BECAUSE "the product names its includes from the project's root, so none slips past these rules")
endforeach()

forbid(platform/sdl_common INCLUDES platform/sdl/ platform/web/
       BECAUSE "the shared layer serves every platform and reaches into none")
forbid(platform/input INCLUDES platform/sdl/ platform/web/ platform/sdl_common/
       BECAUSE "the input rules know no platform and no SDL")
forbid(platform/sdl INCLUDES platform/web/ BECAUSE "one platform never includes another")
forbid(platform/web INCLUDES platform/sdl/ BECAUSE "one platform never includes another")
forbid(platform/web INCLUDES setup/ BECAUSE "the page shares the options' rules from settings/, not the FLTK program")
forbid(setup INCLUDES platform/web/ BECAUSE "the FLTK program shares the options' rules from settings/, not the page")
forbid(settings OWN_FILES INCLUDES unistd.h fcntl.h sys/ windows.h
       BECAUSE "the settings' rules are the same on every system, and its system calls live in a folder per system")
forbid(setup/win32 INCLUDES FL/ setup/x11/ BECAUSE "the Windows dialog is Windows' own: no FLTK, no X11")
forbid(setup OWN_FILES INCLUDES setup/win32/ windows.h
       BECAUSE "the FLTK program and what both dialogs share know nothing of Windows")

include(${CMAKE_CURRENT_LIST_DIR}/verdict.cmake)
give_verdict(FAILURE "Includes that break the source layout" SUCCESS "Every folder includes only what it may.")
