# Every folder of src/ holds model code at its top level and, where it has
# windows, Qt Widgets code in a ui/ subfolder. Globbing keeps the lists in
# step with the files; the second library is made only when ui/ has sources.
function(finwicks_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;UI_DEPENDS;QT" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_QT})

    file(GLOB ui_sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.qrc)
    if(ui_sources)
        add_library(${name}_ui STATIC ${ui_sources})
        target_include_directories(${name}_ui PUBLIC ${PROJECT_SOURCE_DIR}/src)
        set(ui_links)
        foreach(dep ${ARG_UI_DEPENDS})
            list(APPEND ui_links $<TARGET_NAME_IF_EXISTS:${dep}>)
        endforeach()
        target_link_libraries(${name}_ui PUBLIC ${name} ${ui_links} Qt6::Widgets)
    endif()
endfunction()
