corvana_test(model_tests
  SOURCES model/RecordsTest.cpp model/ReserveDataTest.cpp
  TIMEOUT 60)
