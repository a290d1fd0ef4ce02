# Drives the real Corvana.exe from outside, as its user and other programs do.
set(E2E_HELPERS e2e/Waiting.cpp e2e/ChildProcess.cpp e2e/ProgramFolder.cpp e2e/CorvanaWindows.cpp
                e2e/CorvanaProcess.cpp e2e/Notepad.cpp e2e/Input.cpp e2e/ExtentUtl.cpp e2e/DataFile.cpp
                e2e/ListView.cpp framework/Pixels.cpp)
corvana_test(e2e_tests
  SOURCES ${E2E_HELPERS} e2e/CorvanaTest.cpp e2e/SingleInstanceTest.cpp e2e/ExtentUtlTest.cpp
          e2e/HotKeyPasteTest.cpp e2e/SavingTest.cpp e2e/ProgramFolderTest.cpp e2e/TrackingTest.cpp e2e/MainWindowTest.cpp
          e2e/NoteMenuTest.cpp e2e/DayTest.cpp e2e/UnreadFileTest.cpp e2e/EndTraceTest.cpp
  TIMEOUT 300)
add_dependencies(e2e_tests Corvana)
# Where the program lies, seen from the tests.
get_target_property(CORVANA_PROGRAM_DIR Corvana RUNTIME_OUTPUT_DIRECTORY)
file(RELATIVE_PATH CORVANA_EXE_FROM_TESTS ${CMAKE_CURRENT_BINARY_DIR} ${CORVANA_PROGRAM_DIR}/Corvana.exe)
target_compile_definitions(e2e_tests PRIVATE CORVANA_EXE_FROM_TESTS=L"${CORVANA_EXE_FROM_TESTS}")
# A test program ended from outside (the end of a session ends every program
# with a window) exits with 0: only a finished run passes.
set_tests_properties(e2e_tests PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
                                          FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")

# Not a test: scripts/run's hand on the keyboard (a note on notepad, typed into).
add_executable(corvana_drive e2e/DriveMain.cpp e2e/Waiting.cpp e2e/CorvanaWindows.cpp e2e/Input.cpp)
target_link_libraries(corvana_drive PRIVATE corvana)
target_include_directories(corvana_drive PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

# Not a test: the repeated-start runner of scripts/starts.
add_executable(corvana_starts e2e/StartsMain.cpp e2e/StartFixtures.cpp e2e/Waiting.cpp e2e/ChildProcess.cpp
                              e2e/ProgramFolder.cpp e2e/CorvanaWindows.cpp e2e/CorvanaProcess.cpp e2e/DataFile.cpp)
target_link_libraries(corvana_starts PRIVATE corvana)
target_include_directories(corvana_starts PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(corvana_starts PRIVATE CORVANA_EXE_FROM_TESTS=L"${CORVANA_EXE_FROM_TESTS}")
add_dependencies(corvana_starts Corvana)
