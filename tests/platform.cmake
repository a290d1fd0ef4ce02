corvana_test(platform_tests
  SOURCES platform/DwmGateTest.cpp platform/InnerRectTest.cpp platform/VersionStringTest.cpp
          platform/CalendarTest.cpp platform/GradientFillTest.cpp platform/MultiDisplayTest.cpp
          platform/CrashTraceTest.cpp platform/ProgramFolderTest.cpp e2e/DataFile.cpp
  RESOURCES platform/PlatformTest.rc
  TIMEOUT 120)

# Crashes on purpose for the crash trace test.
add_executable(crash_probe platform/CrashProbeMain.cpp)
target_link_libraries(crash_probe PRIVATE corvana)
add_dependencies(platform_tests crash_probe)
