corvana_test(controls_tests
  SOURCES framework/TestWindows.cpp framework/Pixels.cpp controls/DrawingTest.cpp
          controls/IconCacheTest.cpp controls/ButtonTest.cpp controls/OpaCheckTest.cpp
  RESOURCES controls/ControlsTest.rc
  TIMEOUT 60)

