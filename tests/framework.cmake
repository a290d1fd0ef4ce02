corvana_test(framework_tests
  SOURCES framework/TestWindows.cpp framework/BoxOverDialog.cpp framework/MessageBoxes.cpp notemenu/Steps.cpp
          framework/TextTest.cpp framework/MessageBoxTest.cpp
          framework/ResourceTest.cpp framework/WndTest.cpp framework/DialogTest.cpp
          framework/DataExchangeTest.cpp framework/ControlsTest.cpp framework/EditByteLimitTest.cpp
          framework/StoredTextTest.cpp framework/CrashReportTest.cpp
  RESOURCES framework/FrameworkTest.rc
  TIMEOUT 60)

# Not run by itself: tests that crash on purpose, one a run, for the crash
# report's test.
add_executable(crashing_tests framework/CrashingTest.cpp)
target_link_libraries(crashing_tests PRIVATE corvana corvana_test_main)
add_dependencies(framework_tests crashing_tests)
