#pragma once
// The directory of a compound file held in memory: every entry, the sibling trees that hold
// the children of each storage, and the sectors of entries changed since the last save.
//
// The children of a storage form a red-black tree ordered by CompareNames. Loading checks
// that every entry is reached exactly once from the root; a sibling tree that is out of
// order or not balanced by the red-black rules (as some writers leave them) is rebuilt
// balanced, so that lookups, insertions and removals always work on a sound tree.
#include "platform/cfb/cfb_format.h"

#include <cstdint>
#include <vector>

namespace cfb {

struct TDirectoryNode : TDirectoryEntry {
    std::uint32_t Parent = kNoStream; // parent within the sibling tree
    std::uint32_t Owner = kNoStream;  // storage whose child tree holds this entry
    std::uint64_t Serial = 0;         // unique per life of an entry in memory; 0 when free
};

class TDirectory {
public:
    explicit TDirectory(std::uint32_t entriesPerSector = 4) : perSector_(entriesPerSector) {}

    // Takes the decoded entries (a whole number of sectors). Raises the format error when
    // entry 0 is not the root, an entry is reached twice, or a link leads outside the
    // directory or to an entry that is neither storage nor stream.
    void Load(std::vector<TDirectoryEntry> entries);

    std::uint32_t Count() const { return static_cast<std::uint32_t>(nodes_.size()); }
    std::uint32_t EntriesPerSector() const { return perSector_; }
    const TDirectoryNode& At(std::uint32_t index) const { return nodes_[index]; }
    // The entry for changing; its sector is marked changed.
    TDirectoryNode& Edit(std::uint32_t index);

    // The child of storage with the given name, or kNoStream.
    std::uint32_t Find(std::uint32_t storage, const QString& name) const;
    // The children of storage in name order.
    std::vector<std::uint32_t> Children(std::uint32_t storage) const;
    // Every entry below storage (children, their children, ...), storage itself excluded.
    std::vector<std::uint32_t> Descendants(std::uint32_t storage) const;

    // Adds entry (named, not in any tree) to the children of storage. The name must not be
    // taken.
    void Insert(std::uint32_t storage, std::uint32_t entry);
    // Takes entry out of the children of its storage; the entry itself stays as it is.
    void Unlink(std::uint32_t entry);

    // A free entry made ready for use (new serial, no links), or kNoStream when all are used.
    std::uint32_t Allocate(TEntryType type, const QString& name);
    // Marks an entry free (all fields cleared).
    void Release(std::uint32_t entry);
    // Appends one sector's worth of free entries.
    void AppendFreeSector();

    // Whether the sibling tree of storage is ordered and obeys the red-black rules.
    bool IsSoundTree(std::uint32_t storage) const;

    bool IsSectorChanged(std::uint32_t sector) const { return changed_[sector]; }
    void EncodeSector(std::uint32_t sector, char* bytes) const;
    void ForgetChanges();

private:
    TColor ColorOf(std::uint32_t index) const;
    void SetColor(std::uint32_t index, TColor color);
    void SetChildLink(std::uint32_t parent, std::uint32_t oldChild, std::uint32_t newChild, std::uint32_t storage);
    // The two sides of a node in a sibling tree. Rotating x towards a side lifts its child
    // on the other side into its place.
    enum class TSide { Left, Right };
    static TSide Opposite(TSide side) { return side == TSide::Left ? TSide::Right : TSide::Left; }
    std::uint32_t Link(std::uint32_t node, TSide side) const;
    void SetLink(std::uint32_t node, TSide side, std::uint32_t target);
    void Rotate(std::uint32_t storage, std::uint32_t x, TSide side);
    void InsertFixup(std::uint32_t storage, std::uint32_t z);
    void UnlinkFixup(std::uint32_t storage, std::uint32_t x, std::uint32_t parent);
    void Transplant(std::uint32_t storage, std::uint32_t u, std::uint32_t v);
    void Rebuild(std::uint32_t storage);
    std::uint32_t BuildBalanced(const std::vector<std::uint32_t>& sorted, int low, int high, std::uint32_t parent,
                                int depth, int redDepth);

    std::uint32_t perSector_;
    std::vector<TDirectoryNode> nodes_;
    std::vector<bool> changed_;
    std::uint32_t freeHint_ = 0;
};

} // namespace cfb
