# Brings the translations' sources up to date with the texts of the code, as Qt's lupdate finds
# them: the windows' and the framework's through framework::Tr, the model's through calc::Tr, both
# called as Qt's translate() is called, hence the alias. Locations are left out, so that a moved
# line changes no .ts file; a text gone from the code goes from them too.
#
#   cmake -DLUPDATE=lupdate -DSOURCE_DIR=. -P resources/translations/Update.cmake
#
# With -DCHECK=ON -DWORK_DIR=dir it changes nothing and fails where the .ts files are not up to
# date (a text of the code missing, or one that the code no longer says) or a translation is
# unfinished or empty: it updates copies in WORK_DIR and compares.
cmake_minimum_required(VERSION 3.25)
set(lupdate_options -locations none -no-obsolete -no-ui-lines -source-language en
    -tr-function-alias translate+=Tr)
file(GLOB ts_files ${SOURCE_DIR}/resources/translations/*.ts)
set(sources ${SOURCE_DIR}/app ${SOURCE_DIR}/calc ${SOURCE_DIR}/framework ${SOURCE_DIR}/windows)

if(NOT CHECK)
    execute_process(COMMAND ${LUPDATE} ${lupdate_options} ${sources} -ts ${ts_files}
                    COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(problems "")
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    execute_process(COMMAND ${LUPDATE} -silent ${lupdate_options} ${sources} -ts ${WORK_DIR}/${name}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(READ ${ts} kept)
    file(READ ${WORK_DIR}/${name} updated)
    if(NOT kept STREQUAL updated)
        string(APPEND problems "${name} differs from the texts of the code: run the "
            "update_translations target and translate what it adds\n")
    endif()
    foreach(pattern "type=\"unfinished\"" "<translation></translation>"
                    "<numerusform></numerusform>")
        string(FIND "${kept}" "${pattern}" at)
        if(NOT at EQUAL -1)
            string(APPEND problems "${name} holds ${pattern}\n")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "${problems}")
endif()
