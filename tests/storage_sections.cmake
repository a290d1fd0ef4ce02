corvana_test(storage_section_tests
  SOURCES storage/EncodingTest.cpp storage/IniSectionTest.cpp
  TIMEOUT 60)
