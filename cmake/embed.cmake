# quelor_embed(<target> <symbol> <file>): compiles <file> into <target> as the
# std::string_view quelor::resources::<symbol>, with the file's bytes
# unchanged. The assembler includes the file itself (.incbin), so even the
# bank-code directory of several megabytes costs no compile time; the object
# is rebuilt when the file changes.
function(quelor_embed target symbol file)
  get_filename_component(input "${file}" ABSOLUTE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
  set(label "quelor_resource_${symbol}")
  # Read-only data, and back to the code section after it: the assembler of
  # Windows objects (COFF) knows no section stack.
  if(WIN32)
    set(data_section ".section .rdata,\\\"dr\\\"")
    set(back ".text")
  else()
    set(data_section ".section .rodata")
    set(back ".previous")
  endif()
  file(CONFIGURE OUTPUT "${output}" CONTENT
"// Generated from ${input}; do not edit.
#include <string_view>
extern \"C\" const char ${label}_begin[];
extern \"C\" const char ${label}_end[];
__asm__(\"${data_section}\\n\"
        \".balign 16\\n\"
        \".global ${label}_begin\\n\"
        \"${label}_begin:\\n\"
        \".incbin \\\"${input}\\\"\\n\"
        \".global ${label}_end\\n\"
        \"${label}_end:\\n\"
        \".byte 0\\n\"
        \"${back}\\n\");
namespace quelor::resources {
extern const std::string_view ${symbol};
const std::string_view ${symbol}(${label}_begin,
                                 static_cast<std::size_t>(${label}_end - ${label}_begin));
}  // namespace quelor::resources
" @ONLY)
  set_source_files_properties("${output}" PROPERTIES OBJECT_DEPENDS "${input}")
  target_sources(${target} PRIVATE "${output}")
endfunction()
