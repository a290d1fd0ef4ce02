# The program's folders include only downward: a script, no Wine.
add_test(NAME include_floors
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -P ${CMAKE_CURRENT_SOURCE_DIR}/includes/IncludeFloors.cmake)
set_tests_properties(include_floors PROPERTIES TIMEOUT 60)
