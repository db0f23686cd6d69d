# Runs desktop-file-validate on the desktop entry and appstreamcli on the AppStream
# metadata (offline); any warning or error fails. Skipped when the tools are missing.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  message("desktop-file-validate or appstreamcli: the validators are not installed")
  return()
endif()

function(validate)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(JOIN " " command ${ARGN})
  message("${command}:\n${out}")
  if(NOT status EQUAL 0 OR out MATCHES "(error|warning|E:|W:)")
    message(FATAL_ERROR "${command} found problems")
  endif()
endfunction()

validate(${DESKTOP_FILE_VALIDATE} ${DESKTOP_DIR}/org.quillane.Quillane.desktop)
validate(${APPSTREAMCLI} validate --no-net ${DESKTOP_DIR}/org.quillane.Quillane.metainfo.xml)
