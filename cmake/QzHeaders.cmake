# Each target sees the headers of the libraries it links and of its own folders only, under their
# paths from the repository root ("platform/files.h"), so an include that points the wrong way
# fails to build. The folders are linked into a per-target include tree in the build folder.
#
# qz_headers(target PUBLIC|PRIVATE folder...)
function(qz_headers target scope)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(folder ${ARGN})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()
