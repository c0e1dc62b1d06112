# Reads one resource manifest, for the build (dependencies) and for the
# script that writes the resource table alike.
#
# Manifest lines: "<resource name> <path relative to the manifest's folder>".
# Blank lines and lines starting with '#' are ignored. Sets names_var to the
# resource names and paths_var to their files, in manifest order.
function(pinsmith_manifest_entries manifest names_var paths_var)
  get_filename_component(_base "${manifest}" DIRECTORY)
  file(STRINGS "${manifest}" _lines)
  set(_names "")
  set(_paths "")
  foreach(_line IN LISTS _lines)
    string(STRIP "${_line}" _line)
    if(_line STREQUAL "" OR _line MATCHES "^#")
      continue()
    endif()
    separate_arguments(_parts UNIX_COMMAND "${_line}")
    list(GET _parts 0 _name)
    list(GET _parts 1 _rel)
    list(APPEND _names "${_name}")
    list(APPEND _paths "${_base}/${_rel}")
  endforeach()
  set(${names_var} "${_names}" PARENT_SCOPE)
  set(${paths_var} "${_paths}" PARENT_SCOPE)
endfunction()
