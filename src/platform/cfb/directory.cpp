#include "platform/cfb/directory.h"

#include "platform/cfb/cfb_errors.h"
#include "platform/cfb/element_names.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <utility>

namespace cfb {

namespace {

// Serials are unique across all files of the process, so that a handle kept from one file,
// or from before a revert, never matches an entry of another.
std::uint64_t NextSerial()
{
    static std::atomic<std::uint64_t> serial{0};
    return ++serial;
}

// An unused entry as the format wants it: all zero but for the three links.
TDirectoryNode FreeNode()
{
    TDirectoryNode node;
    node.Color = TColor::Red;
    node.StartSector = 0;
    return node;
}

} // namespace

void TDirectory::Load(std::vector<TDirectoryEntry> entries)
{
    nodes_.clear();
    nodes_.reserve(entries.size());
    for (TDirectoryEntry& entry : entries) {
        TDirectoryNode node;
        static_cast<TDirectoryEntry&>(node) = std::move(entry);
        nodes_.push_back(std::move(node));
    }
    changed_.assign((nodes_.size() + perSector_ - 1) / perSector_, false);
    freeHint_ = 0;
    if (nodes_.empty() || nodes_[0].Type != TEntryType::Root)
        RaiseFormatError(TFormatFault::BadEntry);

    const std::uint32_t count = Count();
    std::vector<bool> reached(count, false);
    reached[0] = true;
    nodes_[0].Serial = NextSerial();
    std::vector<std::uint32_t> storages{0};
    std::vector<std::uint32_t> loaded;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pending; // (entry, tree parent)
    while (!storages.empty()) {
        const std::uint32_t storage = storages.back();
        storages.pop_back();
        loaded.push_back(storage);
        if (nodes_[storage].Child != kNoStream)
            pending.emplace_back(nodes_[storage].Child, kNoStream);
        while (!pending.empty()) {
            const auto [index, parent] = pending.back();
            pending.pop_back();
            if (index >= count)
                RaiseFormatError(TFormatFault::BadEntry);
            if (reached[index])
                RaiseFormatError(TFormatFault::DirectoryCycle);
            reached[index] = true;
            TDirectoryNode& node = nodes_[index];
            if (node.Type != TEntryType::Storage && node.Type != TEntryType::Stream)
                RaiseFormatError(TFormatFault::BadEntry);
            node.Parent = parent;
            node.Owner = storage;
            node.Serial = NextSerial();
            if (node.Left != kNoStream)
                pending.emplace_back(node.Left, index);
            if (node.Right != kNoStream)
                pending.emplace_back(node.Right, index);
            if (node.Type == TEntryType::Storage)
                storages.push_back(index);
        }
    }
    for (const std::uint32_t storage : loaded) {
        if (!IsSoundTree(storage))
            Rebuild(storage);
    }
}

TDirectoryNode& TDirectory::Edit(std::uint32_t index)
{
    changed_[index / perSector_] = true;
    return nodes_[index];
}

std::uint32_t TDirectory::Find(std::uint32_t storage, const QString& name) const
{
    std::uint32_t at = nodes_[storage].Child;
    while (at != kNoStream) {
        const int order = CompareNames(name, nodes_[at].Name);
        if (order == 0)
            return at;
        at = order < 0 ? nodes_[at].Left : nodes_[at].Right;
    }
    return kNoStream;
}

std::vector<std::uint32_t> TDirectory::Children(std::uint32_t storage) const
{
    std::vector<std::uint32_t> children;
    std::vector<std::uint32_t> stack;
    std::uint32_t at = nodes_[storage].Child;
    while (at != kNoStream || !stack.empty()) {
        while (at != kNoStream) {
            stack.push_back(at);
            at = nodes_[at].Left;
        }
        at = stack.back();
        stack.pop_back();
        children.push_back(at);
        at = nodes_[at].Right;
    }
    return children;
}

std::vector<std::uint32_t> TDirectory::Descendants(std::uint32_t storage) const
{
    std::vector<std::uint32_t> all;
    std::vector<std::uint32_t> storages{storage};
    while (!storages.empty()) {
        const std::uint32_t at = storages.back();
        storages.pop_back();
        for (const std::uint32_t child : Children(at)) {
            all.push_back(child);
            if (nodes_[child].Type == TEntryType::Storage)
                storages.push_back(child);
        }
    }
    return all;
}

TColor TDirectory::ColorOf(std::uint32_t index) const
{
    return index == kNoStream ? TColor::Black : nodes_[index].Color;
}

void TDirectory::SetColor(std::uint32_t index, TColor color)
{
    if (nodes_[index].Color != color)
        Edit(index).Color = color;
}

void TDirectory::SetChildLink(std::uint32_t parent, std::uint32_t oldChild, std::uint32_t newChild,
                              std::uint32_t storage)
{
    if (parent == kNoStream)
        Edit(storage).Child = newChild;
    else if (nodes_[parent].Left == oldChild)
        Edit(parent).Left = newChild;
    else
        Edit(parent).Right = newChild;
}

std::uint32_t TDirectory::Link(std::uint32_t node, TSide side) const
{
    return side == TSide::Left ? nodes_[node].Left : nodes_[node].Right;
}

void TDirectory::SetLink(std::uint32_t node, TSide side, std::uint32_t target)
{
    TDirectoryNode& edited = Edit(node);
    (side == TSide::Left ? edited.Left : edited.Right) = target;
}

void TDirectory::Rotate(std::uint32_t storage, std::uint32_t x, TSide side)
{
    const std::uint32_t y = Link(x, Opposite(side));
    const std::uint32_t inner = Link(y, side);
    SetLink(x, Opposite(side), inner);
    if (inner != kNoStream)
        nodes_[inner].Parent = x;
    nodes_[y].Parent = nodes_[x].Parent;
    SetChildLink(nodes_[x].Parent, x, y, storage);
    SetLink(y, side, x);
    nodes_[x].Parent = y;
}

void TDirectory::Insert(std::uint32_t storage, std::uint32_t entry)
{
    std::uint32_t parent = kNoStream;
    int order = 0;
    for (std::uint32_t at = nodes_[storage].Child; at != kNoStream;) {
        parent = at;
        order = CompareNames(nodes_[entry].Name, nodes_[at].Name);
        at = order < 0 ? nodes_[at].Left : nodes_[at].Right;
    }
    TDirectoryNode& node = Edit(entry);
    node.Left = node.Right = kNoStream;
    node.Color = TColor::Red;
    node.Parent = parent;
    node.Owner = storage;
    if (parent == kNoStream)
        Edit(storage).Child = entry;
    else if (order < 0)
        Edit(parent).Left = entry;
    else
        Edit(parent).Right = entry;
    InsertFixup(storage, entry);
}

void TDirectory::InsertFixup(std::uint32_t storage, std::uint32_t z)
{
    while (nodes_[z].Parent != kNoStream && ColorOf(nodes_[z].Parent) == TColor::Red) {
        std::uint32_t parent = nodes_[z].Parent;
        const std::uint32_t grandparent = nodes_[parent].Parent; // a red node is never the root
        // The side of the grandparent that holds the parent; the same steps serve both
        // sides with the directions exchanged.
        const TSide near = parent == nodes_[grandparent].Left ? TSide::Left : TSide::Right;
        const TSide far = Opposite(near);
        const std::uint32_t uncle = Link(grandparent, far);
        if (ColorOf(uncle) == TColor::Red) {
            SetColor(parent, TColor::Black);
            SetColor(uncle, TColor::Black);
            SetColor(grandparent, TColor::Red);
            z = grandparent;
            continue;
        }
        if (z == Link(parent, far)) {
            z = parent;
            Rotate(storage, z, near);
            parent = nodes_[z].Parent;
        }
        SetColor(parent, TColor::Black);
        SetColor(grandparent, TColor::Red);
        Rotate(storage, grandparent, far);
    }
    SetColor(nodes_[storage].Child, TColor::Black);
}

void TDirectory::Transplant(std::uint32_t storage, std::uint32_t u, std::uint32_t v)
{
    SetChildLink(nodes_[u].Parent, u, v, storage);
    if (v != kNoStream)
        nodes_[v].Parent = nodes_[u].Parent;
}

void TDirectory::Unlink(std::uint32_t z)
{
    const std::uint32_t storage = nodes_[z].Owner;
    TColor removedColor = nodes_[z].Color;
    std::uint32_t x;
    std::uint32_t xParent;
    if (nodes_[z].Left == kNoStream) {
        x = nodes_[z].Right;
        xParent = nodes_[z].Parent;
        Transplant(storage, z, x);
    } else if (nodes_[z].Right == kNoStream) {
        x = nodes_[z].Left;
        xParent = nodes_[z].Parent;
        Transplant(storage, z, x);
    } else {
        std::uint32_t y = nodes_[z].Right;
        while (nodes_[y].Left != kNoStream)
            y = nodes_[y].Left;
        removedColor = nodes_[y].Color;
        x = nodes_[y].Right;
        if (nodes_[y].Parent == z) {
            xParent = y;
        } else {
            xParent = nodes_[y].Parent;
            Transplant(storage, y, x);
            Edit(y).Right = nodes_[z].Right;
            nodes_[nodes_[y].Right].Parent = y;
        }
        Transplant(storage, z, y);
        Edit(y).Left = nodes_[z].Left;
        nodes_[nodes_[y].Left].Parent = y;
        SetColor(y, nodes_[z].Color);
    }
    if (removedColor == TColor::Black)
        UnlinkFixup(storage, x, xParent);
    TDirectoryNode& node = Edit(z);
    node.Left = node.Right = kNoStream;
    node.Parent = kNoStream;
    node.Owner = kNoStream;
}

void TDirectory::UnlinkFixup(std::uint32_t storage, std::uint32_t x, std::uint32_t parent)
{
    while (x != nodes_[storage].Child && ColorOf(x) == TColor::Black) {
        // The side of the parent that holds x (which may be an empty link); the other side
        // holds its sibling.
        const TSide side = x == nodes_[parent].Left ? TSide::Left : TSide::Right;
        const TSide other = Opposite(side);
        std::uint32_t sibling = Link(parent, other);
        if (ColorOf(sibling) == TColor::Red) {
            SetColor(sibling, TColor::Black);
            SetColor(parent, TColor::Red);
            Rotate(storage, parent, side);
            sibling = Link(parent, other);
        }
        if (ColorOf(nodes_[sibling].Left) == TColor::Black && ColorOf(nodes_[sibling].Right) == TColor::Black) {
            SetColor(sibling, TColor::Red);
            x = parent;
            parent = nodes_[x].Parent;
            continue;
        }
        if (ColorOf(Link(sibling, other)) == TColor::Black) {
            SetColor(Link(sibling, side), TColor::Black);
            SetColor(sibling, TColor::Red);
            Rotate(storage, sibling, other);
            sibling = Link(parent, other);
        }
        SetColor(sibling, nodes_[parent].Color);
        SetColor(parent, TColor::Black);
        SetColor(Link(sibling, other), TColor::Black);
        Rotate(storage, parent, side);
        x = nodes_[storage].Child;
    }
    if (x != kNoStream)
        SetColor(x, TColor::Black);
}

std::uint32_t TDirectory::Allocate(TEntryType type, const QString& name)
{
    for (std::uint32_t i = freeHint_; i < Count(); ++i) {
        if (nodes_[i].Type != TEntryType::Empty || nodes_[i].Serial != 0)
            continue;
        TDirectoryNode& node = Edit(i);
        node = FreeNode();
        node.Type = type;
        node.Name = name;
        node.Color = TColor::Black;
        node.StartSector = type == TEntryType::Stream ? kEndOfChain : 0;
        node.Serial = NextSerial();
        freeHint_ = i + 1;
        return i;
    }
    freeHint_ = Count();
    return kNoStream;
}

void TDirectory::Release(std::uint32_t entry)
{
    Edit(entry) = FreeNode();
    freeHint_ = std::min(freeHint_, entry);
}

void TDirectory::AppendFreeSector()
{
    nodes_.insert(nodes_.end(), perSector_, FreeNode());
    changed_.push_back(true);
}

bool TDirectory::IsSoundTree(std::uint32_t storage) const
{
    const std::uint32_t root = nodes_[storage].Child;
    if (root == kNoStream)
        return true;
    if (nodes_[root].Color != TColor::Black)
        return false;
    // Every path from the root to a missing child passes the same number of black nodes,
    // and no red node has a red child.
    int blackHeight = -1;
    std::vector<std::pair<std::uint32_t, int>> stack{{root, 1}};
    while (!stack.empty()) {
        const auto [at, blacks] = stack.back();
        stack.pop_back();
        for (const std::uint32_t child : {nodes_[at].Left, nodes_[at].Right}) {
            if (child == kNoStream) {
                if (blackHeight < 0)
                    blackHeight = blacks;
                else if (blackHeight != blacks)
                    return false;
                continue;
            }
            const bool black = nodes_[child].Color == TColor::Black;
            if (!black && nodes_[at].Color == TColor::Red)
                return false;
            stack.emplace_back(child, blacks + (black ? 1 : 0));
        }
    }
    const std::vector<std::uint32_t> ordered = Children(storage);
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        if (CompareNames(nodes_[ordered[i - 1]].Name, nodes_[ordered[i]].Name) >= 0)
            return false;
    }
    return true;
}

void TDirectory::Rebuild(std::uint32_t storage)
{
    std::vector<std::uint32_t> sorted = Children(storage);
    std::stable_sort(sorted.begin(), sorted.end(), [this](std::uint32_t a, std::uint32_t b) {
        return CompareNames(nodes_[a].Name, nodes_[b].Name) < 0;
    });
    const int count = static_cast<int>(sorted.size());
    // Splitting at the middle fills every level but the deepest; colouring that level red
    // (when it is not full) gives every path the same number of black nodes.
    const int deepest = count > 0 ? std::bit_width(static_cast<unsigned>(count)) - 1 : 0;
    const bool full = count == (1 << (deepest + 1)) - 1;
    Edit(storage).Child = BuildBalanced(sorted, 0, count - 1, kNoStream, 0, full ? -1 : deepest);
}

std::uint32_t TDirectory::BuildBalanced(const std::vector<std::uint32_t>& sorted, int low, int high,
                                        std::uint32_t parent, int depth, int redDepth)
{
    if (low > high)
        return kNoStream;
    const int middle = low + (high - low) / 2;
    const std::uint32_t index = sorted[middle];
    TDirectoryNode& node = Edit(index);
    node.Parent = parent;
    node.Color = depth == redDepth ? TColor::Red : TColor::Black;
    node.Left = BuildBalanced(sorted, low, middle - 1, index, depth + 1, redDepth);
    nodes_[index].Right = BuildBalanced(sorted, middle + 1, high, index, depth + 1, redDepth);
    return index;
}

void TDirectory::EncodeSector(std::uint32_t sector, char* bytes) const
{
    for (std::uint32_t i = 0; i < perSector_; ++i)
        EncodeDirectoryEntry(nodes_[sector * perSector_ + i], bytes + i * kDirectoryEntryBytes);
}

void TDirectory::ForgetChanges()
{
    std::fill(changed_.begin(), changed_.end(), false);
}

} // namespace cfb
