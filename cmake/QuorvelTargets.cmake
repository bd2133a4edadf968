# The plugin's code, compiled once as a static library: the loadable module and the tests
# both link it. Layering between its folders is kept by includes, not by link order.
add_library(quorvel_plugin_lib STATIC)
target_include_directories(quorvel_plugin_lib PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quorvel_plugin_lib PUBLIC corvane_sdk quorvel_math quorvel_spline
                                                nlohmann_json::nlohmann_json PkgConfig::IMGUI)
