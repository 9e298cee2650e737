// Case-insensitive resolution of engine file names on a case-sensitive file system, and
// the few file operations the engine needs beyond reading and writing.
#include "platform/files.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace platform {
namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The entry of `directory` equal to `component` ignoring case, or `component` itself.
std::string MatchEntry(const std::string& directory, const std::string& component) {
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) {
        return component;
    }
    std::string match = component;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, component.c_str()) == 0) {
            match = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return match;
}

std::string Join(const std::string& directory, const std::string& component) {
    if (directory.empty()) {
        return component;
    }
    return directory.back() == '/' ? directory + component : directory + "/" + component;
}

}  // namespace

std::string ResolvePath(const std::string& name) {
    std::string path;
    size_t begin = 0;
    if (!name.empty() && (name[0] == '/' || name[0] == '\\')) {
        path = "/";
        begin = 1;
    }
    while (begin <= name.size()) {
        size_t end = name.find_first_of("/\\", begin);
        if (end == std::string::npos) {
            end = name.size();
        }
        std::string component = name.substr(begin, end - begin);
        if (!component.empty()) {
            std::string exact = Join(path, component);
            path = Exists(exact) || component == "." || component == ".."
                       ? exact
                       : Join(path, MatchEntry(path, component));
        }
        begin = end + 1;
    }
    return path;
}

FILE* OpenFile(const std::string& name, const char* mode) {
    return std::fopen(ResolvePath(name).c_str(), mode);
}

bool ReadFile(const std::string& name, std::vector<uint8_t>& bytes) {
    FILE* file = OpenFile(name, "rb");
    if (!file) {
        return false;
    }
    bytes.clear();
    // One allocation for a regular file's whole size (a folder opens too, with no size to
    // trust); a file that grows meanwhile is still read to its end.
    struct stat info;
    if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.reserve(static_cast<size_t>(info.st_size));
    }
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

int64_t FileSize(const std::string& name) {
    struct stat info;
    if (stat(ResolvePath(name).c_str(), &info) != 0) {
        return -1;
    }
    return static_cast<int64_t>(info.st_size);
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(ResolvePath(from).c_str(), ResolvePath(to).c_str()) == 0;
}

}  // namespace platform
