# Compiling HTML help projects with chmcmd (Debian fp-utils).
#
# chmcmd writes the folder it compiles in into the help file, so the sources
# are copied into the build tree and compiled there; the help file is never
# written into the source tree.
include_guard(GLOBAL)

find_program(TT_CHMCMD chmcmd REQUIRED)

# tt_compile_chm(<target> SOURCE_DIR <dir> PROJECT <file.hhp>
#                COMPILED <name the project gives> OUTPUT <help file>)
function(tt_compile_chm target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "SOURCE_DIR;PROJECT;COMPILED;OUTPUT" "")
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${target}.sources)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_SOURCE_DIR}/*)
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${ARG_SOURCE_DIR} ${stage}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${TT_CHMCMD} --verbosity 0 ${ARG_PROJECT}
    COMMAND ${CMAKE_COMMAND} -E copy ${stage}/${ARG_COMPILED} ${ARG_OUTPUT}
    DEPENDS ${sources}
    COMMENT "Compiling help ${ARG_OUTPUT}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${ARG_OUTPUT})
endfunction()
