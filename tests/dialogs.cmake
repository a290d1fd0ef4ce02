corvana_test(dialogs_tests
  SOURCES dialogs/HotKeyNameTest.cpp
  TIMEOUT 60)
