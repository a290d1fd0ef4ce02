# The property dialog with its hot-key field, the initial values and size
# dialogs, and the panel's two buttons that open them.
corvana_test(props_tests
  SOURCES framework/TestWindows.cpp framework/ModalScript.cpp framework/TargetProcess.cpp framework/Pixels.cpp
          e2e/Waiting.cpp e2e/ChildProcess.cpp e2e/CorvanaWindows.cpp e2e/Notepad.cpp e2e/Input.cpp
          props/PropsTest.cpp props/HotKeyFieldTest.cpp props/PropatyDlgTest.cpp
          props/InitialMemletDlgTest.cpp props/PanelPropsTest.cpp
  RESOURCES props/PropsTest.rc
  TIMEOUT 240)
add_dependencies(props_tests corvana_targets)
