# Tests of the picking tools. Included from tests/CMakeLists.txt.
tessaro_add_gtest(picking_math_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/picking_math_test.cpp
    LIBRARIES tessaro_picking_model)
tessaro_add_qtest(eye_dropper_window_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/eye_dropper_window_test.cpp
    LIBRARIES tessaro_picking_ui tessaro_test_support)
tessaro_add_qtest(palette_windows_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/palette_windows_test.cpp
    LIBRARIES tessaro_picking_ui tessaro_test_support)

# The eye dropper over a known picture under Xvfb and openbox: F1, pointer,
# F3 and F2, the picks in the main colour, the list and history.cl2;
# kt-tessaro --pick.
add_executable(screen_pattern ${CMAKE_CURRENT_LIST_DIR}/../e2e/screen_pattern.cpp)
target_link_libraries(screen_pattern PRIVATE Qt6::Widgets)
add_test(NAME e2e_eye_dropper
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/eye_dropper_test.sh $<TARGET_FILE:kt-tessaro> $<TARGET_FILE:screen_pattern>)
set_tests_properties(e2e_eye_dropper PROPERTIES TIMEOUT 120 RESOURCE_LOCK x11
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0;TESSARO_SCREEN_PROBE=$<TARGET_FILE:screen_probe>")
tessaro_add_qtest(eye_dropper_session_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/eye_dropper_session_test.cpp
    LIBRARIES tessaro_ui tessaro_test_support)

