# Start-up time and memory of the editor window against a bare Qt dialog and
# against the same window built from plain Qt controls.
if(TARGET quavel_app)
    add_executable(main_window_probe MainWindowProbe.cpp)
    target_link_libraries(main_window_probe PRIVATE quavel_app quavel_warnings)
    quavel_link_in_startup_order(main_window_probe)
    add_executable(bare_dialog_probe BareDialogProbe.cpp)
    target_include_directories(bare_dialog_probe PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(bare_dialog_probe PRIVATE Qt6::Widgets quavel_warnings)
    add_executable(plain_controls_probe PlainControlsProbe.cpp)
    target_link_libraries(plain_controls_probe PRIVATE quavel_app quavel_warnings)

    function(quavel_add_startup_benchmark name source)
        quavel_add_benchmark(${name} ${source})
        target_compile_definitions(${name} PRIVATE
            MAIN_WINDOW_PROBE="$<TARGET_FILE:main_window_probe>"
            BARE_DIALOG_PROBE="$<TARGET_FILE:bare_dialog_probe>"
            PLAIN_CONTROLS_PROBE="$<TARGET_FILE:plain_controls_probe>")
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
        add_dependencies(${name} main_window_probe bare_dialog_probe plain_controls_probe)
    endfunction()
    quavel_add_startup_benchmark(window_startup_benchmark WindowStartupBenchmark.cpp)
    # The same probes on an X server of their own (package xvfb).
    quavel_add_startup_benchmark(xvfb_startup_benchmark XvfbStartupBenchmark.cpp)
endif()
