#include "cli/output_file.h"

#include "cli/input_bytes.h"
#include "platform/replace_file.h"

namespace tessaro::cli {

void WriteFileWhole(const std::string& name, std::string_view bytes)
{
    int error = 0;
    if (!ReplaceFileBytes(name, bytes, &error))
        throw FileError{"cannot write '" + name + "': " + ReplaceErrorText(error)};
}

} // namespace tessaro::cli
