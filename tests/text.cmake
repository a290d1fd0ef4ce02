corvana_test(text_tests
  SOURCES framework/TestWindows.cpp framework/ModalScript.cpp note/NoteFixture.cpp note/OpenNote.cpp
          e2e/Input.cpp e2e/Waiting.cpp text/Entry.cpp text/FieldEntryTest.cpp text/BalloonTest.cpp
  RESOURCES text/TextTest.rc
  TIMEOUT 180)
target_link_libraries(text_tests PRIVATE imm32)
