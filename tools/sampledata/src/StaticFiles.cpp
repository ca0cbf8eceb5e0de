#include "StaticFiles.h"

#include "Output.h"

#include <algorithm>
#include <filesystem>

namespace sampledata {

std::string staticFileBytes(const std::string& utf8Text) {
  ByteBuffer out;
  size_t start = 0;
  while (start < utf8Text.size()) {
    size_t end = utf8Text.find('\n', start);
    if (end == std::string::npos) end = utf8Text.size();
    std::string line = utf8Text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    appendLine(&out, toCp932(line));
    start = end + 1;
  }
  return out.bytes();
}

std::vector<std::string> writeStaticFiles(const std::string& staticDir, const std::string& outDir) {
  namespace fs = std::filesystem;
  std::vector<std::string> written;
  for (const auto& entry : fs::recursive_directory_iterator(staticDir)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = fs::relative(entry.path(), staticDir).generic_string();
    ByteBuffer bytes;
    bytes.text(staticFileBytes(readFile(entry.path().string())));
    writeFile(outDir + "/" + relative, bytes);
    written.push_back(relative);
  }
  std::sort(written.begin(), written.end());
  return written;
}

}  // namespace sampledata
