# cmake -DPROGRAMS=... -DSOUNDS=... -DFONTS=... -DSETTINGS=FILE -DSTAGE=DIR -DZIP=FILE -P portable_zip.cmake
# Lays out STAGE/Skyscrub as a game folder and packs it into ZIP.
set(folder ${STAGE}/Skyscrub)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${folder}/components/sound ${folder}/components/fonts)
file(COPY ${PROGRAMS} DESTINATION ${folder})
file(COPY ${SOUNDS} DESTINATION ${folder}/components/sound)
file(COPY ${FONTS} DESTINATION ${folder}/components/fonts)
file(COPY ${SETTINGS} DESTINATION ${folder}/components)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip Skyscrub WORKING_DIRECTORY ${STAGE}
                COMMAND_ERROR_IS_FATAL ANY)
