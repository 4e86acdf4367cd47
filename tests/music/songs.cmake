# Checks of the carols that music/carols builds into the Music folder. Included by
# tests/music/CMakeLists.txt.
find_program(FLUIDSYNTH_PROGRAM fluidsynth REQUIRED)
find_program(SOX_PROGRAM sox REQUIRED)
find_file(TIMGM6MB_SOUNDFONT TimGM6mb.sf2 PATHS /usr/share/sounds/sf2 REQUIRED NO_DEFAULT_PATH)

# The songs whose public-domain melodies are shipped, and the songs that must never be
# shipped because their melodies are still under copyright.
set(songs_shipped 1 2 3 4 5 6 7 8 9 13 14 16 17 18 20 21 23 25 26 28 31 32 35)
set(songs_copyrighted 10 11 12 15 19 22 24 27 29 30 33 34 36)

set(songs_script ${CMAKE_CURRENT_LIST_DIR}/songs_test.sh)
set(songs_folder ${GLINTFALL_SHARE_DIR}/Music)

add_test(NAME Songs.CopyrightedMelodiesAbsent
         COMMAND ${songs_script} absent ${songs_folder} ${songs_copyrighted})

foreach(number IN LISTS songs_shipped)
  add_test(NAME Songs.Renders.midi${number}
           COMMAND ${songs_script} render ${songs_folder}/midi${number}.mid ${FLUIDSYNTH_PROGRAM}
                   ${SOX_PROGRAM} ${TIMGM6MB_SOUNDFONT})
endforeach()
