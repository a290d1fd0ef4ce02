corvana_test(match_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp framework/Pixels.cpp
          panel/PanelFixture.cpp panel/NotifyFixture.cpp match/MatchFixture.cpp
          match/PreviewLayoutTest.cpp match/ChildSelDlgTest.cpp match/MatchConditionDlgTest.cpp match/MatchRoadTest.cpp match/PreSetDlgTest.cpp
  RESOURCES match/MatchTest.rc
  TIMEOUT 240)
# The panel's tests take their target windows from another process.
add_dependencies(match_tests corvana_targets)
