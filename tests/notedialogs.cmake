corvana_test(notedialogs_tests
  SOURCES framework/TestWindows.cpp framework/Pixels.cpp notedialogs/ModalScript.cpp
          notedialogs/ColorSettingDlgTest.cpp notedialogs/TransSettingDlgTest.cpp
          notedialogs/SizeFrameDlgTest.cpp notedialogs/EditDlgTest.cpp
  RESOURCES notedialogs/NoteDialogsTest.rc
  TIMEOUT 120)
