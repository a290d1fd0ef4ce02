corvana_test(controls_tests
  SOURCES controls/Pixels.cpp controls/DrawingTest.cpp
  TIMEOUT 60)
