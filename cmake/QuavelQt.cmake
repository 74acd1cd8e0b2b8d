# The window's libraries: every .cpp of a folder forms its library, so a new
# class needs only its two files.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(CMAKE_AUTOMOC ON)

function(quavel_add_qt_library name)
    cmake_parse_arguments(ARG "" "" "EXCLUDE;LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    if(NOT sources)
        return()  # a folder whose classes are not written yet
    endif()
    add_library(${name} STATIC ${sources})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_LIBS} PRIVATE quavel_warnings)
endfunction()

# quavel_add_qt_tests(LIBS lib...): one test executable per *Test.cpp file.
function(quavel_add_qt_tests)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    find_package(Qt6 REQUIRED COMPONENTS Test)
    file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
    foreach(source IN LISTS test_sources)
        get_filename_component(test_name ${source} NAME_WE)
        quavel_add_test(${test_name} ${source} LIBS ${ARG_LIBS} Qt6::Test)
        set_target_properties(${test_name} PROPERTIES AUTOMOC ON)
    endforeach()
endfunction()
