corvana_test(model_tests
  SOURCES model/FullRecord.cpp model/RecordsTest.cpp model/ReserveDataTest.cpp model/WinInfTest.cpp model/ProcessNameTest.cpp
          model/MatchTest.cpp model/ChildMatchTest.cpp model/NoWindowTest.cpp model/CandidateWindowTest.cpp
  TIMEOUT 60)
