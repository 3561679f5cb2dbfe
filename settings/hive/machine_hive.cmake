# Install step: writes the machine-wide hive, whose AppPath names the installation folder.
# Needs GAPWISE_DATADIR (the data folder as installed, without DESTDIR) and GAPWISE_HIVE_STAGING
# (a scratch folder in the build tree). file(INSTALL) puts the file under $ENV{DESTDIR}.
set(app_path "${GAPWISE_DATADIR}/gapwise")
if(NOT IS_ABSOLUTE "${app_path}")  # cmake --install --prefix with a relative folder
  get_filename_component(app_path "${app_path}" ABSOLUTE BASE_DIR "$ENV{PWD}")
endif()
string(REPLACE "\\" "\\\\" escaped "${app_path}")
string(REPLACE "\"" "\\\"" escaped "${escaped}")
set(crlf "\r\n")
file(WRITE "${GAPWISE_HIVE_STAGING}/machine.reg"
  "REGEDIT4${crlf}${crlf}"
  "[HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise]${crlf}"
  "\"AppPath\"=\"${escaped}\"${crlf}${crlf}")
file(INSTALL "${GAPWISE_HIVE_STAGING}/machine.reg" DESTINATION "${GAPWISE_DATADIR}/gapwise")
