corvana_test(dialogs_tests
  SOURCES framework/TestWindows.cpp framework/Pixels.cpp dialogs/HotKeyNameTest.cpp dialogs/PreviewWindows.cpp
          dialogs/WindowSelDlgTest.cpp dialogs/StcImageTest.cpp dialogs/CachesTest.cpp
  RESOURCES dialogs/DialogsTest.rc
  TIMEOUT 120)
