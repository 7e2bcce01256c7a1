# Turns one file into a C++ source that defines
#   const std::string_view <SYMBOL>  (namespace quelor::resources)
# with the file's bytes unchanged. Run in script mode:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=kName -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# Break the initialiser into lines of 32 bytes so compilers and diffs stay happy.
string(REGEX REPLACE "(('[^']+',){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.\n"
"#include <string_view>\n"
"namespace quelor::resources {\n"
"namespace { constexpr char kBytes[] = {${bytes}'\\0'}; }\n"
"extern const std::string_view ${SYMBOL};\n"
"const std::string_view ${SYMBOL}(kBytes, ${byte_count});\n"
"}  // namespace quelor::resources\n")
