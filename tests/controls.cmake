corvana_test(controls_tests
  SOURCES framework/TestWindows.cpp controls/Pixels.cpp controls/DrawingTest.cpp
          controls/IconCacheTest.cpp controls/ButtonTest.cpp controls/OpaCheckTest.cpp
  RESOURCES controls/ControlsTest.rc
  TIMEOUT 60)

# Not a test: draws the controls in a dialog and saves the picture
# (scripts/controls-shot).
add_executable(controls_shot controls/ControlsShot.cpp controls/Pixels.cpp controls/ControlsTest.rc)
target_link_libraries(controls_shot PRIVATE corvana)
target_include_directories(controls_shot PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
