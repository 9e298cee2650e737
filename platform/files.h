// The file system's spelling: engine names use backslashes and mixed letter case
// ("Data\Textures\..." and "Data\textures\..."); the host wants '/' and exact case.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// Turns an engine file name into a host path: '\' becomes '/', and each component
// that exists under another letter case is replaced by the existing spelling.
// Components that do not exist are kept as written (so new files can be created).
std::string ResolvePath(const std::string& name);

// fopen() of the resolved name.
FILE* OpenFile(const std::string& name, const char* mode);

// Reads a whole file; false when it cannot be opened or read.
bool ReadFile(const std::string& name, std::vector<uint8_t>& bytes);

// The size in bytes of what the resolved name holds; -1 when nothing is there.
int64_t FileSize(const std::string& name);
// Renames `from` to `to` (both resolved); false when the host refuses.
bool RenameFile(const std::string& from, const std::string& to);

}  // namespace platform
