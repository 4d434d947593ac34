# Turns one file into a C++ source holding its bytes, so the programs carry
# their string table with them. Called with -DINPUT= -DOUTPUT= -DSYMBOL=.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_len)
math(EXPR size "${hex_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n#include <string_view>\n"
  "namespace ledra::resources {\nstatic const unsigned char kData[] = {${bytes} 0};\n"
  "std::string_view ${SYMBOL}() { return {reinterpret_cast<const char*>(kData), ${size}}; }\n}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
