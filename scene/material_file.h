// The material file (base path + ".m3m"): materials into the table, textures loaded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scene {

// Turns the material number written in the scene files into a MaterialTable index
// while one scene's files are read.
class MaterialRemap {
public:
    // Exists once a material file was opened; `count` + 1 entries, none set yet.
    void Create(int32_t count) { entries_.assign(static_cast<size_t>(count) + 1, -1); }
    bool Exists() const { return !entries_.empty(); }
    bool Contains(int32_t id) const { return id >= 0 && static_cast<size_t>(id) < entries_.size(); }
    void Set(int32_t id, int32_t index) { entries_[static_cast<size_t>(id)] = index; }
    // The table index for `id`, or -1 for no material (outside the remap or never set).
    int32_t Find(int32_t id) const { return Contains(id) ? entries_[static_cast<size_t>(id)] : -1; }

private:
    std::vector<int32_t> entries_;
};

// Reads basePath + ".m3m" into MaterialTable; `remap` exists afterwards only when the
// file could be opened.
void ReadMaterialFile(const std::string& basePath, MaterialRemap& remap);

}  // namespace scene
