# Generates the export definitions of the plug-in from plugin/exports.txt:
#   Windows: a module-definition file (exported name = function);
#   ELF:     a linker script of aliases and a version script that exports only the listed names.
# Also writes a C++ header with the name list, which the tests resolve one by one.
function(stats_generate_exports list_file out_dir)
  file(STRINGS "${list_file}" lines REGEX "^[^#]")
  set(def "LIBRARY Stats.dll\nEXPORTS\n")
  set(aliases "")
  set(globals "")
  set(names "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
    list(GET fields 0 name)
    list(GET fields 1 function)
    if(name STREQUAL function)
      string(APPEND def "  ${name}\n")
    else()
      string(APPEND def "  \"${name}\"=${function}\n")
      string(APPEND aliases "\"${name}\" = ${function};\n")
    endif()
    string(APPEND globals "    \"${name}\";\n")
    string(APPEND names "    \"${name}\",\n")
  endforeach()
  file(WRITE "${out_dir}/Stats.def" "${def}")
  file(WRITE "${out_dir}/stats_aliases.ld" "${aliases}")
  file(WRITE "${out_dir}/stats_exports.map" "{\n  global:\n${globals}  local: *;\n};\n")
  file(WRITE "${out_dir}/export_names.h"
       "// Generated from plugin/exports.txt.\n#pragma once\n\nnamespace stats_test {\n"
       "inline constexpr const char* kExportNames[] = {\n${names}};\n}  // namespace stats_test\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${list_file}")
endfunction()
