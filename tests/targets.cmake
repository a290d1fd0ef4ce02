# Not a test: windows of another process for the tests and the benchmark
# (tests/targets/TargetsProtocol.h; the client is tests/framework/TargetProcess.h).
add_executable(corvana_targets WIN32 targets/TargetsMain.cpp)
target_include_directories(corvana_targets PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(corvana_targets PRIVATE -Wall -Wextra)
target_link_libraries(corvana_targets PRIVATE shell32 user32)
