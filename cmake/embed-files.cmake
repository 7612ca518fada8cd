# Writes OUTPUT, a C++ source holding the files of FILES (a list of paths) by file name, for
# the program to serve: cmake -DOUTPUT=... -DFILES=a;b -P embed-files.cmake
set(arrays "")
set(entries "")
set(index 0)
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" length)
    math(EXPR size "${length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char kFile${index}[] = {${bytes}0};\n")
    string(APPEND entries "    {\"${name}\", {reinterpret_cast<const char*>(kFile${index}), ${size}}},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from tools/disckit/design/web by embed-files.cmake.
#include \"web_assets.h\"

namespace {
${arrays}
const WebAsset kAssets[] = {
${entries}    {\"\", {}},
};
}  // namespace

// The last entry only keeps the table from being empty.
std::span<const WebAsset> WebAssets() { return {kAssets, std::size(kAssets) - 1}; }
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
