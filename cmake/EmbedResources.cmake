# Embeds the files named in a manifest into a static library.
#
# Manifest lines: "<resource name> <path relative to the manifest's folder>".
# Blank lines and lines starting with '#' are ignored. Resource names are
# looked up at run time without regard to case (platform/Resources.h).

function(pinsmith_embed_resources target manifest)
  get_filename_component(_base "${manifest}" DIRECTORY)
  file(STRINGS "${manifest}" _lines)
  set(_deps "${manifest}")
  foreach(_line IN LISTS _lines)
    string(STRIP "${_line}" _line)
    if(_line STREQUAL "" OR _line MATCHES "^#")
      continue()
    endif()
    separate_arguments(_parts UNIX_COMMAND "${_line}")
    list(GET _parts 1 _rel)
    list(APPEND _deps "${_base}/${_rel}")
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${manifest}")

  set(_out "${CMAKE_CURRENT_BINARY_DIR}/${target}_data.cpp")
  add_custom_command(
    OUTPUT "${_out}"
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DOUTPUT=${_out}
            -DSYMBOL=${target} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    DEPENDS ${_deps} ${CMAKE_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    COMMENT "Embedding resources of ${manifest}"
    VERBATIM)
  add_library(${target} STATIC "${_out}")
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()
