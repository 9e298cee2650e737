// Edge adjacency of a mesh's faces through a sorted edge list, in near-linear time.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "scene/mesh.h"

namespace scene {
namespace {

// One corner's edge: the undirected vertex pair as a sortable key and the corner
// (face × 3 + edge number) it belongs to.
struct EdgeEntry {
    uint64_t key;
    uint32_t corner;
};

uint64_t EdgeKey(int32_t a, int32_t b) {
    // Flipping the sign bit keeps the order of signed indices as unsigned numbers.
    uint32_t lo = static_cast<uint32_t>(std::min(a, b)) ^ 0x80000000u;
    uint32_t hi = static_cast<uint32_t>(std::max(a, b)) ^ 0x80000000u;
    return (uint64_t{lo} << 32) | hi;
}

// Below this many entries a comparison sort beats clearing the radix sort's 65 536
// counters for every digit, as it would for most of a scene's meshes.
constexpr size_t kRadixSortFrom = 1 << 15;

// Stable sort by key, so entries of one edge stay in corner order: least-significant-digit
// radix sort for large meshes, skipping digits that all entries share.
void SortByKey(std::vector<EdgeEntry>& entries) {
    if (entries.size() < kRadixSortFrom) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const EdgeEntry& a, const EdgeEntry& b) { return a.key < b.key; });
        return;
    }
    std::vector<EdgeEntry> scratch(entries.size());
    std::vector<size_t> count(1 << 16);
    for (int shift = 0; shift < 64; shift += 16) {
        std::fill(count.begin(), count.end(), 0);
        for (const EdgeEntry& e : entries) {
            ++count[(e.key >> shift) & 0xFFFF];
        }
        if (count[(entries[0].key >> shift) & 0xFFFF] == entries.size()) {
            continue;
        }
        size_t sum = 0;
        for (size_t& c : count) {
            size_t here = c;
            c = sum;
            sum += here;
        }
        for (const EdgeEntry& e : entries) {
            scratch[count[(e.key >> shift) & 0xFFFF]++] = e;
        }
        entries.swap(scratch);
    }
}

// For every corner, the position in `sorted` where the entries of the next face (by
// index) that has the same edge begin, or -1 when no later face has it.
std::vector<int64_t> NextFaceWithEdge(const std::vector<EdgeEntry>& sorted) {
    std::vector<int64_t> next(sorted.size(), -1);
    size_t begin = 0;
    while (begin < sorted.size()) {
        size_t end = begin;
        while (end < sorted.size() && sorted[end].key == sorted[begin].key) {
            ++end;
        }
        int64_t following = -1;
        size_t runEnd = end;
        while (runEnd > begin) {
            uint32_t face = sorted[runEnd - 1].corner / 3;
            size_t runBegin = runEnd - 1;
            while (runBegin > begin && sorted[runBegin - 1].corner / 3 == face) {
                --runBegin;
            }
            for (size_t k = runBegin; k < runEnd; ++k) {
                next[sorted[k].corner] = following;
            }
            following = static_cast<int64_t>(runBegin);
            runEnd = runBegin;
        }
        begin = end;
    }
    return next;
}

}  // namespace

void LinkNeighbours(Mesh& mesh) {
    std::vector<Face>& faces = mesh.faces;
    std::vector<EdgeEntry> sorted;
    sorted.reserve(faces.size() * 3);
    for (size_t f = 0; f < faces.size(); ++f) {
        for (int k = 0; k < 3; ++k) {
            faces[f].neighbour[k] = -1;
            sorted.push_back({EdgeKey(faces[f].index[k], faces[f].index[(k + 1) % 3]),
                              static_cast<uint32_t>(f * 3 + k)});
        }
    }
    if (sorted.empty()) {
        return;
    }
    SortByKey(sorted);
    std::vector<int64_t> next = NextFaceWithEdge(sorted);
    // Face i takes, on each edge still without a neighbour, the first later face j
    // with that edge; every edge of j joining the same vertices then points back at i,
    // overwriting what an earlier face put there.
    for (size_t i = 0; i < faces.size(); ++i) {
        for (int k = 0; k < 3; ++k) {
            int64_t at = next[i * 3 + k];
            if (faces[i].neighbour[k] != -1 || at < 0) {
                continue;
            }
            uint64_t key = sorted[static_cast<size_t>(at)].key;
            uint32_t j = sorted[static_cast<size_t>(at)].corner / 3;
            faces[i].neighbour[k] = static_cast<int32_t>(j);
            for (size_t q = static_cast<size_t>(at);
                 q < sorted.size() && sorted[q].key == key && sorted[q].corner / 3 == j; ++q) {
                faces[j].neighbour[sorted[q].corner % 3] = static_cast<int32_t>(i);
            }
        }
    }
}

}  // namespace scene
