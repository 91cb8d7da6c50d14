#include "files/pdfcheck.h"

#include <algorithm>
#include <fstream>

namespace ornal {

FileStep CheckPdfComplete(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, 1024);
    std::string end(static_cast<std::size_t>(std::max<std::streamoff>(tail, 0)), '\0');
    file.seekg(size - tail);
    if (!file || !file.read(end.data(), tail) || end.rfind("%%EOF") == std::string::npos) {
        return FileProblem { "le PDF écrit est incomplet", 0 };
    }
    return std::nullopt;
}

} // namespace ornal
