# The plugin's code, compiled once as objects: the loadable module and the tests both link
# them. Layering between its folders is kept by includes, not by link order. Symbols are
# hidden by default; only the plugin's entry points are exported from the module.
add_library(quorvel_plugin_lib OBJECT)
set_target_properties(quorvel_plugin_lib PROPERTIES CXX_VISIBILITY_PRESET hidden
                                                    VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(quorvel_plugin_lib PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quorvel_plugin_lib PUBLIC corvane_sdk quorvel_math quorvel_spline
                                                nlohmann_json::nlohmann_json PkgConfig::IMGUI)
