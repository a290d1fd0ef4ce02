corvana_test(note_tests
  SOURCES framework/TestWindows.cpp framework/Pixels.cpp model/FullRecord.cpp note/NoteFixture.cpp note/OpenNote.cpp note/LookTest.cpp
          note/GradationTest.cpp note/MemletWinTest.cpp note/AttachTest.cpp
          note/Mouse.cpp note/ArrowGeometryTest.cpp note/ArrowWinTest.cpp
  RESOURCES note/NoteTest.rc
  TIMEOUT 120)
