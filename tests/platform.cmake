corvana_test(platform_tests
  SOURCES platform/DwmGateTest.cpp platform/InnerRectTest.cpp platform/VersionStringTest.cpp
          platform/CalendarTest.cpp platform/GradientFillTest.cpp platform/MultiDisplayTest.cpp
  RESOURCES platform/PlatformTest.rc
  TIMEOUT 60)
