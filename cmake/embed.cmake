# quelor_embed(<target> <symbol> <file>): compiles <file> into <target> as the
# std::string_view quelor::resources::<symbol>, regenerated when the file changes.
function(quelor_embed target symbol file)
  get_filename_component(input "${file}" ABSOLUTE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
    DEPENDS "${input}" ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
