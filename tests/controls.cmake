corvana_test(controls_tests
  SOURCES controls/Pixels.cpp controls/DrawingTest.cpp controls/IconCacheTest.cpp
  RESOURCES controls/ControlsTest.rc
  TIMEOUT 60)
