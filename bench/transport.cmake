# Publishing the default profile over SFTP to one and to ten local sshd
# servers, against scp of the same file to the same server.
if(TARGET quavel_session)
    quavel_add_benchmark(transport_benchmark ${CMAKE_CURRENT_LIST_DIR}/TransportBenchmark.cpp
        LIBS quavel_session)
    add_dependencies(transport_benchmark quavel-askpass)
    target_include_directories(transport_benchmark PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(transport_benchmark PRIVATE
        QUAVEL_ASKPASS_PROGRAM="$<TARGET_FILE:quavel-askpass>"
        DEFAULT_PROFILE="${PROJECT_SOURCE_DIR}/profile/DefaultProfile.wst")
endif()
