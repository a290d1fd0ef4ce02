corvana_test(notemenu_tests
  SOURCES framework/TestWindows.cpp framework/ModalScript.cpp note/NoteFixture.cpp note/OpenNote.cpp note/Mouse.cpp
          notemenu/Steps.cpp notemenu/NoteMenuTest.cpp notemenu/PanelRequestsTest.cpp
  RESOURCES notemenu/NoteMenuTest.rc
  TIMEOUT 180)
