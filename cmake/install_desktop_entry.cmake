# Writes the desktop entry of an installed application folder: TEMPLATE with the program,
# its folder and its icon named by where they were installed (PREFIX), to PREFIX/brisola.desktop
# (below DESTDIR when one is given).
if(NOT DEFINED TEMPLATE OR NOT DEFINED PREFIX)
  message(FATAL_ERROR "install_desktop_entry: TEMPLATE and PREFIX must be given")
endif()
get_filename_component(prefix "${PREFIX}" ABSOLUTE)

# A value of the entry's string type: a backslash is written doubled.
function(entry_string out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The program as the Exec key's argument: quoted when it holds a reserved character, with
# the characters that stay special inside quotes escaped, then written as an entry string;
# a percent sign is doubled so that it is no field code.
set(program "${prefix}/brisola")
set(argument "${program}")
string(REGEX MATCH "[ \t\n\"'\\\\><~|&;$*?#()`]" reserved "${program}")
if(reserved)
  string(REPLACE "\\" "\\\\" argument "${argument}")
  string(REPLACE "\"" "\\\"" argument "${argument}")
  string(REPLACE "`" "\\`" argument "${argument}")
  string(REPLACE "$" "\\$" argument "${argument}")
  set(argument "\"${argument}\"")
endif()
string(REPLACE "%" "%%" argument "${argument}")
entry_string(BRISOLA_EXEC "${argument}")
entry_string(BRISOLA_TRYEXEC "${program}")
entry_string(BRISOLA_PATH "${prefix}")
entry_string(BRISOLA_ICON "${prefix}/images/brisola.svg")

set(target "$ENV{DESTDIR}${prefix}/brisola.desktop")
configure_file("${TEMPLATE}" "${target}" @ONLY)
message(STATUS "Installing: ${target}")
