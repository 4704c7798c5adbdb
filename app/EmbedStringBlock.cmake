# Writes a C++ source that holds one block of the string table as bytes.
#   cmake -DINPUT=<block>.txt -DOUTPUT=<file>.cpp -DBLOCK=<name> -P EmbedStringBlock.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 row)
string(REGEX REPLACE "(${row})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include \"app/StringBlocks.h\"

namespace {
constexpr unsigned char Bytes[] = {
    ${bytes}0x00,
};
} // namespace

std::string_view StringBlocks::${BLOCK}()
{
    return {reinterpret_cast<const char*>(Bytes), ${size}};
}
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
