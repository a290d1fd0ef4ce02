# The panel's buttons, its list's click and its colours, on real notes.
corvana_test(commands_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp panel/PanelFixture.cpp
          panel/NotifyFixture.cpp commands/CommandsFixture.cpp commands/CommandTableTest.cpp
          commands/CommandLoopTest.cpp commands/PanelViewTest.cpp
  RESOURCES panel/PanelTest.rc
  TIMEOUT 240)
add_dependencies(commands_tests corvana_targets)
