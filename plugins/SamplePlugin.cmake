# talvex_sample_plugin(<target> <output name> <sources>...)
# Builds a sample plug-in as a third party would: the public headers and
# nothing else (no library of ours to link, no private include path).
function(talvex_sample_plugin target output)
    add_library(${target} MODULE ${ARGN})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/core/include)
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        OUTPUT_NAME "${output}"
        LIBRARY_OUTPUT_DIRECTORY "${TALVEX_PLUGIN_STAGE_DIR}"
        AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
    install(TARGETS ${target} LIBRARY DESTINATION Packages/Plugins)
endfunction()
