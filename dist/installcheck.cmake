# cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -P installcheck.cmake
# Installs the build into PREFIX and checks what a desktop and a user find there.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

foreach(file
        bin/vireon-anthology
        share/vireon-anthology/passby.wav
        share/vireon-anthology/Vireon.HLP
        share/vireon-anthology/Vireon.scr
        share/applications/vireon-anthology.desktop
        share/metainfo/org.quillonsoftware.VireonAnthology.metainfo.xml
        share/man/man1/vireon-anthology.1
        share/icons/hicolor/scalable/apps/vireon-anthology.svg
        share/icons/hicolor/16x16/apps/vireon-anthology.png
        share/icons/hicolor/48x48/apps/vireon-anthology.png
        share/icons/hicolor/256x256/apps/vireon-anthology.png)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

run(desktop-file-validate ${PREFIX}/share/applications/vireon-anthology.desktop)
if(output MATCHES "error|warning")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
endif()
run(appstreamcli validate --no-net ${PREFIX}/share/metainfo/org.quillonsoftware.VireonAnthology.metainfo.xml)

# The installed program answers without a display.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
run(${PREFIX}/bin/vireon-anthology --version)
if(NOT output MATCHES "^vireon-anthology [0-9]")
    message(FATAL_ERROR "--version printed: ${output}")
endif()
file(REMOVE_RECURSE ${PREFIX})
