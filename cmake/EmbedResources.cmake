# Embeds the files named in manifests into a static library.
#
# Manifest lines: see cmake/ManifestEntries.cmake. Resource names are looked
# up at run time without regard to case (platform/Resources.h); a name may
# appear once over all the manifests of a target.

include(${CMAKE_CURRENT_LIST_DIR}/ManifestEntries.cmake)

function(pinsmith_embed_resources target manifest)
  set(_manifests ${manifest} ${ARGN})
  set(_deps "")
  foreach(_manifest IN LISTS _manifests)
    pinsmith_manifest_entries("${_manifest}" _names _paths)
    list(APPEND _deps "${_manifest}" ${_paths})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_manifest}")
  endforeach()
  string(REPLACE ";" "|" _manifest_arg "${_manifests}")

  set(_out "${CMAKE_CURRENT_BINARY_DIR}/${target}_data.cpp")
  add_custom_command(
    OUTPUT "${_out}"
    COMMAND ${CMAKE_COMMAND} "-DMANIFESTS=${_manifest_arg}" -DOUTPUT=${_out}
            -DSYMBOL=${target} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    DEPENDS ${_deps} ${CMAKE_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
            ${CMAKE_SOURCE_DIR}/cmake/ManifestEntries.cmake
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  add_library(${target} STATIC "${_out}")
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()
