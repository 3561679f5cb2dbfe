# gapwise_add_library(<name> [INTERFACE] [SOURCES <file>...] [HEADERS <file>...])
#
# A static library (an interface library with INTERFACE) built from the listed sources. Exactly
# the listed headers are exposed to the targets that link it, under their path from the source
# root ("engine/game.h"): each library gets a folder of its own in the build tree holding links
# to its headers, so that a file including a header of a library its target does not link fails
# to compile.
function(gapwise_add_library name)
  cmake_parse_arguments(ARG "INTERFACE" "" "SOURCES;HEADERS" ${ARGN})
  if(ARG_INTERFACE)
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  else()
    add_library(${name} STATIC ${ARG_SOURCES} ${ARG_HEADERS})
    set(scope PUBLIC)
  endif()
  set(stage ${PROJECT_BINARY_DIR}/include/${name})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(header IN LISTS ARG_HEADERS)
    set(link ${stage}/${folder}/${header})
    get_filename_component(linkFolder ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${linkFolder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${link} SYMBOLIC COPY_ON_ERROR)
  endforeach()
  target_include_directories(${name} ${scope} ${stage})
  set_property(TARGET ${name} PROPERTY GAPWISE_HEADER_STAGE ${stage})
endfunction()

# gapwise_generate_header(<library> <template> <header>): configures the template into the
# library's exposed headers as <header> (a path from the source root, "ui/version.h").
function(gapwise_generate_header library template header)
  get_property(stage TARGET ${library} PROPERTY GAPWISE_HEADER_STAGE)
  configure_file(${template} ${stage}/${header} @ONLY)
endfunction()
