# The picking tools: the eye dropper, the Variations window and the Quick
# Color Palette. Included from the top-level CMakeLists.txt.
set(_picking ${CMAKE_CURRENT_LIST_DIR})

# Their arithmetic and pictures: plain C++ over the engine.
add_library(tessaro_picking_model STATIC
    ${_picking}/eye_dropper_math.cpp
    ${_picking}/eye_dropper_math.h
    ${_picking}/palette_pictures.cpp
    ${_picking}/palette_pictures.h
)
target_include_directories(tessaro_picking_model PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(tessaro_picking_model PUBLIC tessaro_engine PRIVATE tessaro_options)

# Their windows.
add_library(tessaro_picking_ui STATIC
    ${_picking}/eye_dropper_window.cpp
    ${_picking}/eye_dropper_window.h
    ${_picking}/eye_dropper_settings.cpp
    ${_picking}/eye_dropper_settings.h
    ${_picking}/pick_mode.cpp
    ${_picking}/pick_mode.h
    ${_picking}/color_picture.cpp
    ${_picking}/color_picture.h
    ${_picking}/variations_window.cpp
    ${_picking}/variations_window.h
    ${_picking}/quick_palette_window.cpp
    ${_picking}/quick_palette_window.h
)
target_link_libraries(tessaro_picking_ui PUBLIC tessaro_picking_model tessaro_state tessaro_controls
    tessaro_platform Qt6::Widgets PRIVATE tessaro_options)

# The program's windows include these.
target_link_libraries(tessaro_ui PUBLIC tessaro_picking_ui)
