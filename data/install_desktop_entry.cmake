# Install-time step: copies the desktop entry with its Exec line naming the installed program
# by its full path, quoted as desktop entries require when the path needs it.

function(gapwise_install_dir out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# An Exec argument: plain when it holds only safe characters, otherwise in double quotes with
# ", `, $ and \ escaped; then every \ doubled and % written %% for the entry's string syntax.
function(gapwise_exec_argument out path)
  set(argument "${path}")
  if(NOT argument MATCHES "^[A-Za-z0-9/._+-]+$")
    string(REPLACE "\\" "\\\\" argument "${argument}")
    string(REPLACE "\"" "\\\"" argument "${argument}")
    string(REPLACE "`" "\\`" argument "${argument}")
    string(REPLACE "$" "\\$" argument "${argument}")
    set(argument "\"${argument}\"")
  endif()
  string(REPLACE "\\" "\\\\" argument "${argument}")
  string(REPLACE "%" "%%" argument "${argument}")
  set(${out} "${argument}" PARENT_SCOPE)
endfunction()

gapwise_install_dir(bindir "${GAPWISE_BINDIR}")
gapwise_install_dir(datadir "${GAPWISE_DATADIR}")
gapwise_exec_argument(program "${bindir}/gapwise")
file(READ "${GAPWISE_DESKTOP_SOURCE}" entry)
if(NOT entry MATCHES "\nExec=gapwise\n")
  message(FATAL_ERROR "${GAPWISE_DESKTOP_SOURCE} has no line Exec=gapwise")
endif()
string(REPLACE "\nExec=gapwise\n" "\nExec=${program}\n" entry "${entry}")
get_filename_component(name "${GAPWISE_DESKTOP_SOURCE}" NAME)
file(WRITE "${GAPWISE_DESKTOP_STAGE}/${name}" "${entry}")
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE FILES "${GAPWISE_DESKTOP_STAGE}/${name}")
