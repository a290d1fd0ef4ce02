# The export cache, the import cache and the pending list, beside a panel.
corvana_test(caches_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp panel/PanelFixture.cpp
          caches/CachesFixture.cpp caches/ExportTest.cpp caches/ImportTest.cpp caches/PendingTest.cpp
          caches/RepasteTest.cpp
  RESOURCES caches/CachesTest.rc
  TIMEOUT 180)
add_dependencies(caches_tests corvana_targets)
