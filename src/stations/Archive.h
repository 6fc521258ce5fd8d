#pragma once
// The station archive: the user's catalogue of stations, a tree of folders
// and stations under one root, kept in "Vantoro.db" apart from the presets.
//
// In the file every node but the root is one row "Kind Id ParentId Band
// Frequency Name" (section "Archive", keys "Rows" and "Row1".."RowN", in tree
// order), so a row can only hang under a node read before it. Inside the
// program the tree's own structure is what counts; ParentId follows it.

#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TProfile;

// The record of a folder; the base of both kinds.
struct tFolder {
    std::uint8_t Kind = 1; // 1 folder, 2 station
    std::int32_t ParentId = 0;
    std::int32_t Id = 0; // 0 for the root
    tFolder() = default;
    tFolder(std::int32_t parentId, std::int32_t id) : ParentId(parentId), Id(id) {}
};

struct tStation : tFolder {
    double Frequency = 0;   // MHz, also on AM
    std::uint8_t Band = 1;  // 0 AM, 1 FM
    tStation() = default;
    tStation(std::int32_t parentId, double frequency, std::uint8_t band, std::int32_t id)
        : tFolder(parentId, id), Frequency(frequency), Band(band)
    {
        Kind = 2;
    }
};

// One node of the tree: its name and its record. A folder's record is a
// tStation with Kind 1, its frequency and band unused.
class TArchiveNode {
public:
    QString Name;
    tStation Record;

    bool IsStation() const { return Record.Kind == 2; }
    bool IsRoot() const { return parent_ == nullptr; }
    TArchiveNode* Parent() const { return parent_; }
    int Row() const { return row_; } // place among the parent's children
    int ChildCount() const { return int(children_.size()); }
    TArchiveNode* Child(int row) const { return children_.at(std::size_t(row)).get(); }
    // True when `node` is this node or lies inside its subtree.
    bool Contains(const TArchiveNode* node) const;

private:
    friend class TArchive;
    TArchiveNode* parent_ = nullptr;
    int row_ = 0;
    std::vector<std::unique_ptr<TArchiveNode>> children_;

    void Renumber(int from);
};

// Answers of the tree rules; each refusal has its message (ArchiveRuleText).
enum class tArchiveRule {
    Allowed,
    RootNotRenamed,  // "This node can't be renamed"
    NameExists,      // "A node with this name already exists"
    NameEmpty,       // "The name is empty"
    SameNode,        // "Destination node is the same as the source node"
    RootNotMoved,    // "Can't drag/drop the root"
    ParentOntoChild, // "Can't drop a parent onto its child"
    NotAFolder,      // "You can't drop this type of node here!"
};
QString ArchiveRuleText(tArchiveRule rule);

// A row of the file that the reader could not hang in the tree. It is kept
// as it was read and written back after the tree, so saving loses nothing.
struct tDroppedRow {
    enum tReason {
        NoCount,      // "Rows" is missing or not a count: no row is read
        BeyondCount,  // numbered above "Rows"
        NoParent,     // no folder read before it has its parent identifier
        Loop,         // its parent identifiers lead round in a circle
        UnderStation, // its parent is a station
        UnknownKind,  // the kind is neither 1 nor 2
        NotANumber,   // "Row" followed by something else than a row number
    };
    tReason Reason = NoParent;
    QString Key; // as read ("Row7")
    QString Value;
};
QString DroppedRowReason(tDroppedRow::tReason reason);
// "3 rows that the tree cannot take (1 beyond the "Rows" count, 2 under a station)".
QString DroppedRowsSummary(const std::vector<tDroppedRow>& rows);

// The outcome of reading the archive file.
struct tArchiveLoad {
    enum { Loaded, BadRow, Unreadable } Result = Loaded;
    QString RowKey; // the row that failed to convert ("Row7")
    QString Value;  // and what it held
    std::vector<tDroppedRow> Dropped; // when Loaded: the rows not in the tree
};

class TArchive {
public:
    TArchive();
    ~TArchive();
    TArchive(TArchive&&) noexcept;
    TArchive& operator=(TArchive&&) noexcept;

    TArchiveNode& Root() { return *root_; }
    const TArchiveNode& Root() const { return *root_; }
    int NodeCount() const; // the root included

    // New nodes go last under `parent` (the root or a folder; null otherwise),
    // named "Folder Name" / "Station Name", with a fresh identifier.
    TArchiveNode* AddFolder(TArchiveNode& parent);
    TArchiveNode* AddStation(TArchiveNode& parent, std::uint8_t band, double frequency);

    // The name `text` would get (blanks around it removed), or the refusal.
    tArchiveRule CheckRename(const TArchiveNode& node, const QString& text) const;
    tArchiveRule Rename(TArchiveNode& node, const QString& text);

    // The checks of a drag of `node` onto `target`, in their order.
    static tArchiveRule CheckMove(const TArchiveNode& node, const TArchiveNode& target);
    // Moves `node` with its subtree to the end of `target`'s children.
    tArchiveRule Move(TArchiveNode& node, TArchiveNode& target);

    // Removes `node` (not the root) with its whole subtree.
    void Delete(TArchiveNode& node);

    // Stations before folders, then names ignoring case, at every level.
    void Sort();

    // Replaces the tree with the "Archive" section of `profile`. On BadRow or
    // Unreadable the tree is left with the root alone.
    tArchiveLoad Load(const TProfile& profile);
    // Erases the "Archive" section and writes the tree in tree order, then
    // the rows the last load dropped: those that were counted go on within
    // "Rows", the others after it, and any other key of the section as it was.
    void Save(TProfile& profile) const;
    const std::vector<tDroppedRow>& Dropped() const { return dropped_; }

    // The row a node is stored as.
    static QString RowText(const TArchiveNode& node);

    // Calls `visit(node, depth)` for every node below the root in tree order,
    // depth 0 for the root's children.
    template <typename F>
    void Walk(F&& visit) const
    {
        WalkFrom(*root_, 0, visit);
    }

private:
    std::unique_ptr<TArchiveNode> root_;
    std::int32_t lastId_ = 0; // the identifier counter
    std::vector<tDroppedRow> dropped_;
    std::vector<std::pair<QString, QString>> otherKeys_; // keys of the section that are no rows

    std::int32_t NewId();
    void GiveUniqueIds();
    static void Destroy(std::unique_ptr<TArchiveNode> top);
    TArchiveNode* Append(TArchiveNode& parent, std::unique_ptr<TArchiveNode> node);

    // Iterative, so a hand-made file with a very deep chain cannot exhaust the stack.
    template <typename F>
    static void WalkFrom(const TArchiveNode& top, int depth, F& visit)
    {
        std::vector<std::pair<const TArchiveNode*, int>> stack;
        for (int i = top.ChildCount() - 1; i >= 0; --i) stack.emplace_back(top.Child(i), depth);
        while (!stack.empty()) {
            const auto [node, level] = stack.back();
            stack.pop_back();
            visit(*node, level);
            for (int i = node->ChildCount() - 1; i >= 0; --i) stack.emplace_back(node->Child(i), level + 1);
        }
    }
};
