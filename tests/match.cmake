corvana_test(match_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp framework/Pixels.cpp
          panel/PanelFixture.cpp panel/NotifyFixture.cpp match/MatchFixture.cpp
          dialogs/PreviewWindows.cpp framework/BoxOverDialog.cpp framework/MessageBoxes.cpp notemenu/Steps.cpp
          match/PreviewLayoutTest.cpp match/ChildSelDlgTest.cpp match/MatchConditionDlgTest.cpp match/MatchRoadTest.cpp match/PreSetDlgTest.cpp
  RESOURCES match/MatchTest.rc
  TIMEOUT 240)
# The panel's tests take their target windows from another process.
add_dependencies(match_tests corvana_targets)

# The presets end to end: the real Corvana.exe driven from outside, on a
# window of the helper program.
corvana_test(match_e2e_tests
  SOURCES ${E2E_HELPERS} e2e/CorvanaTest.cpp framework/TargetProcess.cpp match/PresetRoadTest.cpp
  TIMEOUT 300)
add_dependencies(match_e2e_tests Corvana corvana_targets)
target_compile_definitions(match_e2e_tests PRIVATE CORVANA_EXE_FROM_TESTS=L"${CORVANA_EXE_FROM_TESTS}")
set_tests_properties(match_e2e_tests PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
                                                FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
