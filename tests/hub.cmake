corvana_test(hub_tests SOURCES hub/HubTest.cpp TIMEOUT 60)
