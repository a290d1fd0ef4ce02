corvana_test(search_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp framework/Pixels.cpp
          panel/PanelFixture.cpp note/Mouse.cpp search/SearchControls.cpp search/SerchDlgTest.cpp
          search/SerchPanelTest.cpp
  RESOURCES search/SearchTest.rc
  TIMEOUT 180)
# The open notes' target windows come from another process.
add_dependencies(search_tests corvana_targets)
