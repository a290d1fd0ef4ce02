# Not a test: the screenshot program (scripts/screenshots) puts one sheet of
# windows on the screen and saves what the screen shows of it.
add_executable(corvana_shots shots/ShotsMain.cpp shots/NoteSheet.cpp shots/BalloonSheet.cpp shots/ControlsSheet.cpp
               shots/MainSheet.cpp shots/SearchSheet.cpp shots/WindowSelSheet.cpp shots/NoteDialogsSheet.cpp shots/PropsSheet.cpp
               shots/CachesSheet.cpp shots/NoteMenuSheet.cpp shots/Settle.cpp framework/MessageBoxes.cpp shots/MatchSheet.cpp note/OpenNote.cpp
               framework/Pixels.cpp shots/Shots.rc)
target_link_libraries(corvana_shots PRIVATE corvana)
target_include_directories(corvana_shots PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
