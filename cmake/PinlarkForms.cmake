# pinlark_add_forms(TARGET FORM...): the Designer forms resources/ui/FORM.ui, compiled
# by uic into ui_FORM.h for TARGET's sources to include.
#
# Explicit rules instead of AUTOUIC: AUTOUIC rewrites the headers inside its own
# step, which Ninja cannot see into, so the code that includes a changed form was
# compiled again only by the next build, and the first one linked the old form.
# Declared as outputs, the headers are rebuilt before, and their includers with
# them, in one pass.
function(pinlark_add_forms target)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}_forms)
    set(headers)
    foreach(form IN LISTS ARGN)
        set(source ${PROJECT_SOURCE_DIR}/resources/ui/${form}.ui)
        set(header ${folder}/ui_${form}.h)
        add_custom_command(OUTPUT ${header}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND Qt6::uic ${source} -o ${header}
            DEPENDS ${source} Qt6::uic
            COMMENT "Compiling the form ${form}.ui" VERBATIM)
        list(APPEND headers ${header})
    endforeach()
    set_source_files_properties(${headers} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${headers})
    target_include_directories(${target} PRIVATE ${folder})
    # AUTOMOC's folder, whose include folder comes first on the command line, moves
    # away from where AUTOUIC left its headers in older build trees: those would
    # shadow these for good.
    set_target_properties(${target} PROPERTIES AUTOUIC OFF
        AUTOGEN_BUILD_DIR ${CMAKE_CURRENT_BINARY_DIR}/${target}_moc)
endfunction()
