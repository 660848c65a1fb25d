# Robustness suites: hostile and damaged packages, saves killed midway, other
# zip readers and writers.
find_package(ZLIB REQUIRED)

add_library(robust_support STATIC
    ${CMAKE_CURRENT_LIST_DIR}/robust_rawzip.h ${CMAKE_CURRENT_LIST_DIR}/robust_rawzip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/robust_snapshot.h ${CMAKE_CURRENT_LIST_DIR}/robust_snapshot.cpp)
merovi_configure_target(robust_support)
target_link_libraries(robust_support PUBLIC Qt5::Core merovi_testzip PRIVATE ZLIB::ZLIB)

merovi_add_test(tst_hostilepackages ${CMAKE_CURRENT_LIST_DIR}/tst_hostilepackages.cpp)
target_link_libraries(tst_hostilepackages PRIVATE robust_support)

# The child that a crash-safety run kills in the middle of a save.
add_executable(robust_saver ${CMAKE_CURRENT_LIST_DIR}/robust_saver.cpp)
merovi_configure_target(robust_saver)
target_link_libraries(robust_saver PRIVATE merovi_core)

merovi_add_test(tst_crashsafety ${CMAKE_CURRENT_LIST_DIR}/tst_crashsafety.cpp)
target_link_libraries(tst_crashsafety PRIVATE robust_support)
target_compile_definitions(tst_crashsafety PRIVATE ROBUST_SAVER="$<TARGET_FILE:robust_saver>")
add_dependencies(tst_crashsafety robust_saver)

merovi_add_test(tst_interop ${CMAKE_CURRENT_LIST_DIR}/tst_interop.cpp)
target_link_libraries(tst_interop PRIVATE merovi_testzip)
