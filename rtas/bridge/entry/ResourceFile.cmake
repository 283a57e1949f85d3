# The plug-in's resource file Wrapper.dpm.rsr (module path + ".rsr"), compiled from resources/Wrapper.dpm.rsr.txt by
# tools/rsrc, beside the plug-in file: in rtas-bin for the tests and, with the plug-in, in dist/win-x86.
# The compiler is a program of the build machine, built with its own compiler (this build may make programs the
# build machine cannot run: 32-bit or Windows ones).
include(ExternalProject)
set(QOR_RSRC_TOOL_DIR ${CMAKE_BINARY_DIR}/tools-host/rsrc)
set(QOR_RSRC_TOOL ${QOR_RSRC_TOOL_DIR}/qor_rsrc)
ExternalProject_Add(qor_rsrc_tool
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/rsrc
  BINARY_DIR ${QOR_RSRC_TOOL_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DQOR_SOURCE_ROOT=${CMAKE_SOURCE_DIR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${QOR_RSRC_TOOL})

set(QOR_RTAS_RESOURCE_SOURCE ${CMAKE_SOURCE_DIR}/resources/Wrapper.dpm.rsr.txt)
set(QOR_RTAS_RESOURCE_FILE ${QOR_RTAS_KIT_DIR}/Wrapper.dpm.rsr)
set(copy_to_dist "")
if(WIN32 AND QOR_DIST AND QOR_SANITIZE STREQUAL "")
  set(copy_to_dist COMMAND ${CMAKE_COMMAND} -E make_directory "${QOR_DIST_DIR}/win-x86"
    COMMAND ${CMAKE_COMMAND} -E copy ${QOR_RTAS_RESOURCE_FILE} "${QOR_DIST_DIR}/win-x86/")
endif()
add_custom_command(OUTPUT ${QOR_RTAS_RESOURCE_FILE}
  COMMAND ${QOR_RSRC_TOOL} ${QOR_RTAS_RESOURCE_SOURCE} ${QOR_RTAS_RESOURCE_FILE}
  ${copy_to_dist}
  DEPENDS ${QOR_RTAS_RESOURCE_SOURCE} ${QOR_RSRC_TOOL} qor_rsrc_tool
  COMMENT "Resource file Wrapper.dpm.rsr" VERBATIM)
add_custom_target(qor_rtas_resource_file ALL DEPENDS ${QOR_RTAS_RESOURCE_FILE})
add_dependencies(qor_rtas_wrapper qor_rtas_resource_file)
