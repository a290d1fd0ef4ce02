corvana_test(storage_file_tests
  SOURCES storage/WriterTest.cpp storage/SaveChainTest.cpp storage/DataStoreTest.cpp
          storage/PropatyFileTest.cpp storage/PreSetFileTest.cpp storage/KillSaveTest.cpp
          storage/UnreadFileTest.cpp
  RESOURCES storage/StorageFiles.rc
  TIMEOUT 120)

# Saves over and over until the kill test ends it.
add_executable(storage_save_loop storage/SaveLoopMain.cpp)
target_link_libraries(storage_save_loop PRIVATE corvana)
target_include_directories(storage_save_loop PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(storage_file_tests storage_save_loop)
