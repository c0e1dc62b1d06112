# Embeds the files named in manifests into a static library.
#
# Manifest lines: "<resource name> <path relative to the manifest's folder>".
# Blank lines and lines starting with '#' are ignored. Resource names are
# looked up at run time without regard to case (platform/Resources.h); a name
# may appear once over all the manifests of a target.

function(pinsmith_embed_resources target manifest)
  set(_manifests ${manifest} ${ARGN})
  set(_deps "")
  foreach(_manifest IN LISTS _manifests)
    get_filename_component(_base "${_manifest}" DIRECTORY)
    file(STRINGS "${_manifest}" _lines)
    list(APPEND _deps "${_manifest}")
    foreach(_line IN LISTS _lines)
      string(STRIP "${_line}" _line)
      if(_line STREQUAL "" OR _line MATCHES "^#")
        continue()
      endif()
      separate_arguments(_parts UNIX_COMMAND "${_line}")
      list(GET _parts 1 _rel)
      list(APPEND _deps "${_base}/${_rel}")
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_manifest}")
  endforeach()
  string(REPLACE ";" "|" _manifest_arg "${_manifests}")

  set(_out "${CMAKE_CURRENT_BINARY_DIR}/${target}_data.cpp")
  add_custom_command(
    OUTPUT "${_out}"
    COMMAND ${CMAKE_COMMAND} "-DMANIFESTS=${_manifest_arg}" -DOUTPUT=${_out}
            -DSYMBOL=${target} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    DEPENDS ${_deps} ${CMAKE_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  add_library(${target} STATIC "${_out}")
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()
