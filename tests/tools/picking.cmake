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
