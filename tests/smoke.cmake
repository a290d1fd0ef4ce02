corvana_test(smoke_tests SOURCES smoke/SmokeTest.cpp)
