# The editor's start-up runs about a fifth of its code, spread over the whole
# program, and the kernel maps a program's pages 64 kB at a time: left where
# the compiler put them, the functions that start the window bring in nearly
# all of the program (about 800 kB of 930 kB). Each function gets a section of
# its own, and gold links those that run before the first frame side by side,
# in the list app/startup-order.txt (scripts/update-startup-order writes it);
# what publishing, comparing or the menus need is read from disk when it is
# first used. A name the list holds that no longer exists is passed over, and
# a function missing from it only stays where it was, so a stale list costs
# memory, never correctness. Without gold the program links as usual.
include(CheckLinkerFlag)
set(QUAVEL_STARTUP_ORDER ${PROJECT_SOURCE_DIR}/app/startup-order.txt)
check_linker_flag(CXX "-fuse-ld=gold" QUAVEL_LINKER_ORDERS_SECTIONS)
if(QUAVEL_LINKER_ORDERS_SECTIONS)
    add_compile_options(-ffunction-sections)
endif()

# Links target, a program that opens the editor's window, in start-up order.
function(quavel_link_in_startup_order target)
    if(QUAVEL_LINKER_ORDERS_SECTIONS)
        # --rosegment keeps read-only data out of the executable segment, as
        # the default linker does.
        target_link_options(${target} PRIVATE -fuse-ld=gold LINKER:--rosegment
            LINKER:--section-ordering-file=${QUAVEL_STARTUP_ORDER})
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${QUAVEL_STARTUP_ORDER})
    endif()
endfunction()
