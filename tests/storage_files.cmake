corvana_test(storage_file_tests
  SOURCES storage/WriterTest.cpp
  RESOURCES storage/StorageFiles.rc
  TIMEOUT 120)
