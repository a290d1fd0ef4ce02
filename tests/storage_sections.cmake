corvana_test(storage_section_tests
  SOURCES model/FullRecord.cpp storage/EncodingTest.cpp storage/IniSectionTest.cpp storage/SectionReadTest.cpp
          storage/SectionWriteTest.cpp
  TIMEOUT 60)
