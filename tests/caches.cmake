# The export cache, the import cache and the pending list, beside a panel.
corvana_test(caches_tests
  SOURCES framework/TestWindows.cpp framework/TargetProcess.cpp framework/ModalScript.cpp panel/PanelFixture.cpp
          model/FullRecord.cpp caches/CachesFixture.cpp caches/ExportTest.cpp caches/ImportTest.cpp caches/PendingTest.cpp
          caches/RepasteTest.cpp
  RESOURCES caches/CachesTest.rc
  TIMEOUT 180)
add_dependencies(caches_tests corvana_targets)

# End to end, with the real Corvana.exe and the e2e helpers; made once
# every area has been read, the e2e helpers' list among them.
function(corvana_caches_e2e)
  corvana_test(caches_e2e_tests
    SOURCES ${E2E_HELPERS} e2e/CorvanaTest.cpp caches/RoundTripTest.cpp
    RESOURCES caches/RoundTrip.rc
    TIMEOUT 300)
  add_dependencies(caches_e2e_tests Corvana)
  get_target_property(program_dir Corvana RUNTIME_OUTPUT_DIRECTORY)
  file(RELATIVE_PATH exe_from_tests ${CMAKE_CURRENT_BINARY_DIR} ${program_dir}/Corvana.exe)
  target_compile_definitions(caches_e2e_tests PRIVATE CORVANA_EXE_FROM_TESTS=L"${exe_from_tests}")
  set_tests_properties(caches_e2e_tests PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
                                                   FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()
cmake_language(DEFER CALL corvana_caches_e2e)
