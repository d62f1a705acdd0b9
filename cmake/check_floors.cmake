# The source folders' floors, checked on their includes:
#   cmake -DSOURCE_DIR=<folder holding text/, automation/, ...> -P check_floors.cmake
# A file may include headers of its own folder and of the folders listed for it below (all of
# them lower floors); the portable core includes no win32/ header; nothing in src/ includes a
# header of tests/ or tools/ (every include names its folder). The README's dependency diagram
# is this table.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "check_floors: SOURCE_DIR is not a folder: '${SOURCE_DIR}'")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# resource_ids/ holds only the #defines that resources/*.rc share with the code; every folder may
# use it, and it uses nothing.
set(uses_resource_ids "")
set(uses_text resource_ids)
set(uses_automation text resource_ids)
set(uses_excel automation text resource_ids)
set(uses_ui automation text resource_ids)
set(uses_link ui automation text resource_ids)
set(uses_settings ui automation text resource_ids)
set(uses_log settings ui automation text resource_ids)
set(uses_import excel link settings log ui automation text resource_ids)
set(uses_options_ui import excel link settings log ui automation text resource_ids)
set(uses_addin options_ui import excel link settings log ui automation text resource_ids)
# Windows-only folders: all of them is Windows edge.
set(windows_only addin options_ui)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT files)
set(faults 0)
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  if(NOT DEFINED uses_${folder})
    message("${file}: folder ${folder} has no floor")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  set(edge FALSE)
  if(file MATCHES "/win32/" OR folder IN_LIST windows_only)
    set(edge TRUE)
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" target "${header}")
    if(NOT header MATCHES "/")
      message("${file} includes ${header}: not a header of src/ (tests and tools are used by nothing)")
      math(EXPR faults "${faults} + 1")
    elseif(NOT target STREQUAL folder AND NOT target IN_LIST uses_${folder})
      string(REPLACE ";" ", " below "${uses_${folder}}")
      message("${file} includes ${header}: upward; ${folder}/ may use only ${below}")
      math(EXPR faults "${faults} + 1")
    elseif(header MATCHES "/win32/" AND NOT edge)
      message("${file} includes ${header}: the portable core knows no win32/ folder")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(faults GREATER 0)
  message(FATAL_ERROR "check_floors: ${faults} include(s) against the floors in ${count} files")
endif()
message(STATUS "check_floors: ${count} files, every include on its floor or below")
