corvana_test(panel_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp panel/PanelFixture.cpp
          panel/TargetProcessTest.cpp panel/PanelListTest.cpp panel/TrackingTest.cpp panel/HotKeyTest.cpp
          panel/PasteTest.cpp panel/SaveAllTest.cpp panel/NotifyFixture.cpp panel/NotifyTest.cpp panel/TickRefillTest.cpp
          panel/NestedLoopTest.cpp
  RESOURCES panel/PanelTest.rc
  TIMEOUT 180)
# The target windows come from another process.
add_dependencies(panel_tests corvana_targets)
