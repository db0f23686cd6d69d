# Installs the build into STAGE (as DESTDIR, prefix /usr) and checks that every file
# lands where the desktop looks for it, that the installed programs answer --version
# without a display, and that the entry, the icon and the metadata name each other.
set(ID org.quillane.Quillane)
set(ROOT ${STAGE}/usr)
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(expected bin/quillane bin/quillane-mix share/applications/${ID}.desktop
    share/icons/hicolor/scalable/apps/${ID}.svg share/metainfo/${ID}.metainfo.xml
    share/mime/packages/${ID}.xml share/man/man1/quillane.1 share/man/man1/quillane-mix.1)
foreach(file ${expected})
  if(NOT EXISTS ${ROOT}/${file})
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()

foreach(program quillane quillane-mix)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                          ASAN_OPTIONS=detect_leaks=0 ${ROOT}/bin/${program} --version
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE error)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${program} ${VERSION}\n")
    message(SEND_ERROR "${program} --version gave status ${status}, \"${out}\" ${error}")
  endif()
endforeach()

# The entry starts an installed program and names the installed icon; the metadata
# launches the entry and its newest release is this version; the manual page is of it.
function(expect_in file needle)
  file(READ ${ROOT}/${file} text)
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${file} does not say: ${needle}")
  endif()
endfunction()

expect_in(share/applications/${ID}.desktop "Exec=quillane %F")
expect_in(share/applications/${ID}.desktop "Icon=${ID}\n")
expect_in(share/applications/${ID}.desktop "application/x-quillane-project;")
foreach(key Name Comment)
  foreach(language de fr)
    expect_in(share/applications/${ID}.desktop "\n${key}[${language}]=")
  endforeach()
endforeach()
expect_in(share/metainfo/${ID}.metainfo.xml "<launchable type=\"desktop-id\">${ID}.desktop</launchable>")
expect_in(share/metainfo/${ID}.metainfo.xml "<releases>\n    <release version=\"${VERSION}\"")
foreach(program quillane quillane-mix)
  expect_in(share/man/man1/${program}.1 "\"${program} ${VERSION}\"")
endforeach()

# The manual pages format without a warning from man or groff, with their sections
# where a reader looks for them (the synopsis names the program, the options come under
# OPTIONS, nothing of the usage falls under DESCRIPTION).
find_program(MAN man)
if(MAN)
  foreach(program quillane quillane-mix)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=MAN_KEEP_FORMATTING LC_ALL=C.UTF-8 MANWIDTH=80
                            ${MAN} --warnings -l ${ROOT}/share/man/man1/${program}.1
                    RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
      message(SEND_ERROR "man -l ${program}.1 gave status ${status}:\n${warnings}")
    endif()
    string(REGEX MATCH "\nDESCRIPTION\n(( [^\n]*)?\n)*" description "${page}")
    if(NOT page MATCHES "\nSYNOPSIS\n +${program} [^\n]*\n.*\nOPTIONS\n(.*\n)? +-h, --help\n"
       OR description STREQUAL "" OR description MATCHES "(Usage|${program} \\[)")
      message(SEND_ERROR "man -l ${program}.1 is not laid out as a manual page:\n${page}")
    endif()
  endforeach()
endif()

# AppStream's own check of the installed tree: the metadata, its entry and its icon.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${ROOT} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "appstreamcli validate-tree:\n${out}")
  endif()
endif()

# The project type: the MIME database compiles the package and knows the type by name.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${ROOT}/share/mime RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out MATCHES "(Error|Warning)" OR NOT EXISTS ${ROOT}/share/mime/application/x-quillane-project.xml)
    message(SEND_ERROR "update-mime-database:\n${out}")
  endif()
endif()
