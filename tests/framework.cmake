corvana_test(framework_tests
  SOURCES framework/TestWindows.cpp framework/BoxOverDialog.cpp framework/MessageBoxes.cpp notemenu/Steps.cpp
          framework/TextTest.cpp framework/MessageBoxTest.cpp
          framework/ResourceTest.cpp framework/WndTest.cpp framework/DialogTest.cpp
          framework/DataExchangeTest.cpp framework/ControlsTest.cpp framework/EditByteLimitTest.cpp
          framework/StoredTextTest.cpp
  RESOURCES framework/FrameworkTest.rc
  TIMEOUT 60)
