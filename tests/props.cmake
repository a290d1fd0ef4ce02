# The property dialog with its hot-key field, the initial values and size
# dialogs, and the panel's two buttons that open them.
corvana_test(props_tests
  SOURCES framework/TestWindows.cpp framework/ModalScript.cpp framework/TargetProcess.cpp framework/Pixels.cpp
          framework/BoxOverDialog.cpp framework/MessageBoxes.cpp notemenu/Steps.cpp
          e2e/Waiting.cpp e2e/ChildProcess.cpp e2e/CorvanaWindows.cpp e2e/Notepad.cpp e2e/Input.cpp
          props/PropsTest.cpp props/HotKeyStateTest.cpp props/HotKeyFieldTest.cpp props/PropatyDlgTest.cpp
          props/InitialMemletDlgTest.cpp props/PanelPropsTest.cpp props/PropatyBoxTest.cpp
  RESOURCES props/PropsTest.rc
  TIMEOUT 240)
add_dependencies(props_tests corvana_targets)

# The same dialogs in the real Corvana.exe, driven from outside with the
# end-to-end helpers (tests/e2e.cmake comes first and names them).
corvana_test(props_e2e_tests
  SOURCES ${E2E_HELPERS} e2e/CorvanaTest.cpp props/PropsEndToEndTest.cpp
  TIMEOUT 300)
add_dependencies(props_e2e_tests Corvana)
target_compile_definitions(props_e2e_tests PRIVATE CORVANA_EXE_FROM_TESTS=L"${CORVANA_EXE_FROM_TESTS}")
set_tests_properties(props_e2e_tests PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
                                                FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
