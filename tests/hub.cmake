corvana_test(hub_tests
  SOURCES framework/TestWindows.cpp framework/ModalScript.cpp hub/HubTest.cpp
  RESOURCES hub/HubTest.rc
  TIMEOUT 60)
