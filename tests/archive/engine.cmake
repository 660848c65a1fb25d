# The archive engine's own suites.
add_library(engine_support STATIC
    ${CMAKE_CURRENT_LIST_DIR}/engine_ziputil.h ${CMAKE_CURRENT_LIST_DIR}/engine_ziputil.cpp)
merovi_configure_target(engine_support)
target_link_libraries(engine_support PUBLIC Qt5::Core Qt5::Test PRIVATE PkgConfig::LIBZIP)

merovi_add_test(tst_packagearchive ${CMAKE_CURRENT_LIST_DIR}/tst_packagearchive.cpp)
target_link_libraries(tst_packagearchive PRIVATE engine_support)

merovi_add_test(tst_zipthread ${CMAKE_CURRENT_LIST_DIR}/tst_zipthread.cpp)
target_link_libraries(tst_zipthread PRIVATE engine_support)
target_link_libraries(tst_packagearchive PRIVATE PkgConfig::LIBZIP)
