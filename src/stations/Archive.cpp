#include "Archive.h"

#include "Helpers.h"
#include "Profile.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace {

const QString Section = QStringLiteral("Archive");
const QString RowsKey = QStringLiteral("Rows");
const QString RowPrefix = QStringLiteral("Row");

int Depth(const TArchiveNode* node)
{
    int depth = 0;
    for (; node->Parent(); node = node->Parent()) ++depth;
    return depth;
}

// True when `a` comes before `b` in tree order (a parent before its
// children, children in their order).
bool Before(const TArchiveNode* a, const TArchiveNode* b)
{
    int da = Depth(a);
    int db = Depth(b);
    const TArchiveNode* ua = a;
    const TArchiveNode* ub = b;
    while (da > db) ua = ua->Parent(), --da;
    while (db > da) ub = ub->Parent(), --db;
    if (ua == ub) return a != b && ua == a; // one holds the other: the holder comes first
    while (ua->Parent() != ub->Parent()) ua = ua->Parent(), ub = ub->Parent();
    return ua->Row() < ub->Row();
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool HasChildNamed(const TArchiveNode& parent, const QString& name)
{
    for (int i = 0; i < parent.ChildCount(); ++i)
        if (SameName(parent.Child(i)->Name, name)) return true;
    return false;
}

// Splits a row into its five fields and the name; false when it has fewer.
bool SplitRow(const QString& value, QString (&fields)[5], QString& name)
{
    qsizetype from = 0;
    for (QString& field : fields) {
        const qsizetype blank = value.indexOf(QLatin1Char(' '), from);
        if (blank < 0) return false;
        field = value.mid(from, blank - from);
        from = blank + 1;
    }
    name = value.mid(from);
    return true;
}

// Rows carry frequencies as "088,500" or "088.500"; those are read here
// directly (asking the user's locale for every row of a large archive is
// most of the time a load takes), anything else as the files are read.
bool ToFrequency(const QString& text, double& value)
{
    char plain[32];
    std::size_t size = 0;
    qsizetype mark = -1;
    for (qsizetype i = 0; i < text.size() && size < sizeof plain; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            plain[size++] = char(c);
        } else if ((c == u'.' || c == u',') && mark < 0) {
            mark = i;
            plain[size++] = '.';
        } else {
            return FileTextToFloat(text, value);
        }
    }
    if (size != std::size_t(text.size()) || mark <= 0 || mark == text.size() - 1) return FileTextToFloat(text, value);
    const auto [end, error] = std::from_chars(plain, plain + size, value);
    return error == std::errc() && end == plain + size;
}

bool ToInt32(const QString& text, std::int32_t& value)
{
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
}

// Rows that name no earlier folder as parent: those whose parent identifiers,
// followed from row to row, come back round are marked as a loop. `links`
// holds each row's identifier and parent identifier.
void MarkLoops(std::vector<tDroppedRow>& rows,
               const std::vector<std::pair<std::int32_t, std::int32_t>>& links)
{
    std::unordered_map<std::int32_t, std::size_t> byId;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Reason == tDroppedRow::NoParent) byId.try_emplace(links[i].first, i);
    constexpr std::size_t None = std::size_t(-1);
    auto next = [&](std::size_t i) {
        const auto found = byId.find(links[i].second);
        return found == byId.end() ? None : found->second;
    };
    // Each row has at most one parent row: walk until a row already seen;
    // when that row is on the walk itself, the walk from it is a loop.
    std::vector<char> state(rows.size(), 0); // 0 not seen, 1 on this walk, 2 done
    for (std::size_t start = 0; start < rows.size(); ++start) {
        if (rows[start].Reason != tDroppedRow::NoParent || state[start]) continue;
        std::vector<std::size_t> walk;
        std::size_t i = start;
        for (; i != None && !state[i]; i = next(i)) {
            state[i] = 1;
            walk.push_back(i);
        }
        if (i != None && state[i] == 1) {
            std::size_t j = i;
            do {
                rows[j].Reason = tDroppedRow::Loop;
                j = next(j);
            } while (j != i);
        }
        for (const std::size_t k : walk)
            state[k] = 2;
    }
}

bool Counted(tDroppedRow::tReason reason)
{
    return reason != tDroppedRow::NoCount && reason != tDroppedRow::BeyondCount &&
           reason != tDroppedRow::NotANumber;
}

} // namespace

QString DroppedRowReason(tDroppedRow::tReason reason)
{
    switch (reason) {
    case tDroppedRow::NoCount:
        return QCoreApplication::translate("TArchive", "without a valid \"Rows\" count");
    case tDroppedRow::BeyondCount:
        return QCoreApplication::translate("TArchive", "beyond the \"Rows\" count");
    case tDroppedRow::NoParent:
        return QCoreApplication::translate("TArchive", "with no parent folder read before");
    case tDroppedRow::Loop:
        return QCoreApplication::translate("TArchive", "in a loop of parents");
    case tDroppedRow::UnderStation:
        return QCoreApplication::translate("TArchive", "under a station");
    case tDroppedRow::UnknownKind:
        return QCoreApplication::translate("TArchive", "of an unknown kind");
    case tDroppedRow::NotANumber:
        return QCoreApplication::translate("TArchive", "under a key that is no row number");
    }
    return {};
}

QString DroppedRowsSummary(const std::vector<tDroppedRow>& rows)
{
    QStringList parts;
    for (int reason = tDroppedRow::NoCount; reason <= tDroppedRow::NotANumber; ++reason) {
        const auto count =
            std::count_if(rows.begin(), rows.end(),
                          [reason](const tDroppedRow& row) { return row.Reason == reason; });
        if (count > 0)
            parts << QString::number(count) + QLatin1Char(' ') +
                         DroppedRowReason(tDroppedRow::tReason(reason));
    }
    return QCoreApplication::translate("TArchive", "%n row(s) that the tree cannot take (%1)", nullptr, int(rows.size()))
        .arg(parts.join(QStringLiteral(", ")));
}

QString ArchiveRuleText(tArchiveRule rule)
{
    switch (rule) {
    case tArchiveRule::Allowed: return {};
    case tArchiveRule::RootNotRenamed: return QCoreApplication::translate("TArchive", "This node can't be renamed");
    case tArchiveRule::NameExists: return QCoreApplication::translate("TArchive", "A node with this name already exists");
    case tArchiveRule::NameEmpty:
        return QCoreApplication::translate("TArchive", "The name is empty");
    case tArchiveRule::SameNode: return QCoreApplication::translate("TArchive", "Destination node is the same as the source node");
    case tArchiveRule::RootNotMoved: return QCoreApplication::translate("TArchive", "Can't drag/drop the root");
    case tArchiveRule::ParentOntoChild: return QCoreApplication::translate("TArchive", "Can't drop a parent onto its child");
    case tArchiveRule::NotAFolder: return QCoreApplication::translate("TArchive", "You can't drop this type of node here!");
    }
    return {};
}

bool TArchiveNode::Contains(const TArchiveNode* node) const
{
    for (; node; node = node->parent_)
        if (node == this) return true;
    return false;
}

void TArchiveNode::Renumber(int from)
{
    for (std::size_t i = std::size_t(std::max(from, 0)); i < children_.size(); ++i) children_[i]->row_ = int(i);
}

TArchive::TArchive() : root_(std::make_unique<TArchiveNode>())
{
    root_->Name = QStringLiteral("Root");
    root_->Record = tStation();
    root_->Record.Kind = 1;
}

TArchive::~TArchive()
{
    if (root_) Destroy(std::move(root_));
}

TArchive::TArchive(TArchive&&) noexcept = default;
TArchive& TArchive::operator=(TArchive&& other) noexcept
{
    if (this != &other) {
        if (root_) Destroy(std::move(root_));
        root_ = std::move(other.root_);
        lastId_ = other.lastId_;
        dropped_ = std::move(other.dropped_);
        otherKeys_ = std::move(other.otherKeys_);
    }
    return *this;
}

// A subtree taken apart level by level, so freeing a very deep chain does not
// recurse once per level.
void TArchive::Destroy(std::unique_ptr<TArchiveNode> top)
{
    std::vector<std::unique_ptr<TArchiveNode>> pending;
    pending.push_back(std::move(top));
    while (!pending.empty()) {
        std::unique_ptr<TArchiveNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children_) pending.push_back(std::move(child));
        node->children_.clear();
    }
}

int TArchive::NodeCount() const
{
    int count = 1;
    Walk([&count](const TArchiveNode&, int) { ++count; });
    return count;
}

std::int32_t TArchive::NewId()
{
    if (lastId_ < std::numeric_limits<std::int32_t>::max()) return ++lastId_;
    // The file used the largest identifier there is: take the smallest free one.
    std::unordered_set<std::int32_t> used;
    Walk([&used](const TArchiveNode& node, int) { used.insert(node.Record.Id); });
    std::int32_t id = 1;
    while (used.count(id)) ++id;
    return id;
}

TArchiveNode* TArchive::Append(TArchiveNode& parent, std::unique_ptr<TArchiveNode> node)
{
    node->parent_ = &parent;
    node->row_ = parent.ChildCount();
    parent.children_.push_back(std::move(node));
    return parent.children_.back().get();
}

TArchiveNode* TArchive::AddFolder(TArchiveNode& parent)
{
    if (parent.IsStation()) return nullptr;
    auto node = std::make_unique<TArchiveNode>();
    node->Name = QCoreApplication::translate("TArchive", "Folder Name");
    node->Record.Kind = 1;
    node->Record.ParentId = parent.Record.Id;
    node->Record.Id = NewId();
    return Append(parent, std::move(node));
}

TArchiveNode* TArchive::AddStation(TArchiveNode& parent, std::uint8_t band, double frequency)
{
    if (parent.IsStation()) return nullptr;
    auto node = std::make_unique<TArchiveNode>();
    node->Name = QCoreApplication::translate("TArchive", "Station Name");
    node->Record = tStation(parent.Record.Id, frequency, band, NewId());
    return Append(parent, std::move(node));
}

tArchiveRule TArchive::CheckRename(const TArchiveNode& node, const QString& text) const
{
    if (node.IsRoot()) return tArchiveRule::RootNotRenamed;
    // A name that is empty or ends in blanks would not survive the file: the
    // row would lose its name field and no longer read.
    const QString name = TrimBlanks(text);
    if (name.isEmpty()) return tArchiveRule::NameEmpty;
    // The node itself is no clash: its own name, in any letter case, stands.
    const TArchiveNode& parent = *node.Parent();
    for (int i = 0; i < parent.ChildCount(); ++i)
        if (parent.Child(i) != &node && SameName(parent.Child(i)->Name, name))
            return tArchiveRule::NameExists;
    return tArchiveRule::Allowed;
}

tArchiveRule TArchive::Rename(TArchiveNode& node, const QString& text)
{
    const tArchiveRule rule = CheckRename(node, text);
    if (rule == tArchiveRule::Allowed) node.Name = TrimBlanks(text);
    return rule;
}

tArchiveRule TArchive::CheckMove(const TArchiveNode& node, const TArchiveNode& target)
{
    if (&target == &node || &target == node.Parent()) return tArchiveRule::SameNode;
    if (node.IsRoot()) return tArchiveRule::RootNotMoved;
    if (node.Contains(&target)) return tArchiveRule::ParentOntoChild;
    if (HasChildNamed(target, node.Name)) return tArchiveRule::NameExists;
    if (target.IsStation()) return tArchiveRule::NotAFolder;
    return tArchiveRule::Allowed;
}

tArchiveRule TArchive::Move(TArchiveNode& node, TArchiveNode& target)
{
    const tArchiveRule rule = CheckMove(node, target);
    if (rule != tArchiveRule::Allowed) return rule;
    TArchiveNode& from = *node.parent_;
    const int row = node.row_;
    std::unique_ptr<TArchiveNode> moved = std::move(from.children_[std::size_t(row)]);
    from.children_.erase(from.children_.begin() + row);
    from.Renumber(row);
    moved->Record.ParentId = target.Record.Id;
    Append(target, std::move(moved));
    return rule;
}

void TArchive::Delete(TArchiveNode& node)
{
    if (node.IsRoot()) return;
    TArchiveNode& parent = *node.parent_;
    const int row = node.row_;
    std::unique_ptr<TArchiveNode> gone = std::move(parent.children_[std::size_t(row)]);
    parent.children_.erase(parent.children_.begin() + row);
    parent.Renumber(row);
    Destroy(std::move(gone));
}

void TArchive::Sort()
{
    std::vector<TArchiveNode*> pending{root_.get()};
    while (!pending.empty()) {
        TArchiveNode* node = pending.back();
        pending.pop_back();
        std::stable_sort(node->children_.begin(), node->children_.end(), [](const auto& a, const auto& b) {
            if (a->IsStation() != b->IsStation()) return a->IsStation();
            return a->Name.compare(b->Name, Qt::CaseInsensitive) < 0;
        });
        node->Renumber(0);
        for (const auto& child : node->children_)
            if (!child->children_.empty()) pending.push_back(child.get());
    }
}

QString TArchive::RowText(const TArchiveNode& node)
{
    const tStation& r = node.Record;
    const QString band = !node.IsStation() ? QStringLiteral("X") : r.Band == 0 ? QStringLiteral("K")
                                                                               : QStringLiteral("M");
    const QString blank = QStringLiteral(" ");
    return QString::number(r.Kind) + blank + QString::number(r.Id) + blank + QString::number(r.ParentId) + blank +
           band + blank + FileFrequencyText(node.IsStation() ? r.Frequency : 0.0) + blank + node.Name;
}

tArchiveLoad TArchive::Load(const TProfile& profile)
{
    *this = TArchive();
    if (profile.ReadFailed()) return {tArchiveLoad::Unreadable, {}, {}, {}};

    // Only the row keys that are there are read, in number order: a "Rows"
    // count far above them costs nothing. Rows outside the count, and keys
    // that are no row, are kept to be written back.
    const int rows = profile.ReadInteger(Section, RowsKey, -1);
    std::vector<int> numbers;
    std::vector<int> uncounted;
    for (const QString& key : profile.Keys(Section)) {
        if (key.compare(RowsKey, Qt::CaseInsensitive) == 0) continue;
        if (!key.startsWith(RowPrefix, Qt::CaseInsensitive)) {
            otherKeys_.emplace_back(key, profile.ReadString(Section, key, QString()));
            continue;
        }
        const QString digits = key.mid(RowPrefix.size());
        bool ok = false;
        const int n = digits.toInt(&ok, 10);
        if (!ok || n < 1 || QString::number(n) != digits) {
            const QString value = profile.ReadString(Section, key, QString());
            if (!value.isEmpty()) dropped_.push_back({tDroppedRow::NotANumber, key, value});
        } else if (rows < 0 || n > rows) {
            uncounted.push_back(n);
        } else {
            numbers.push_back(n);
        }
    }
    for (std::vector<int>* list : {&numbers, &uncounted}) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }

    // The first node in tree order for each identifier, kept as rows are
    // added: appending never changes the order of the nodes already there.
    std::unordered_map<std::int32_t, TArchiveNode*> first;
    first.reserve(numbers.size() + 1);
    first[0] = root_.get();
    // Identifier and parent of each dropped row, for finding loops.
    std::vector<std::pair<std::int32_t, std::int32_t>> links(dropped_.size());
    auto drop = [&](tDroppedRow::tReason reason, const QString& key, const QString& value,
                    std::int32_t id, std::int32_t parentId) {
        dropped_.push_back({reason, key, value});
        links.emplace_back(id, parentId);
        // New nodes must not take an identifier a kept row names, or the row
        // would hang under a stranger once the file is read again.
        lastId_ = std::max({lastId_, id, parentId});
    };
    for (const int n : numbers) {
        const QString key = RowPrefix + QString::number(n);
        const QString value = profile.ReadString(Section, key, QString());
        if (value.isEmpty()) continue;
        QString fields[5];
        QString name;
        std::int32_t kind = 0;
        std::int32_t id = 0;
        std::int32_t parentId = 0;
        double frequency = 0;
        if (!SplitRow(value, fields, name) || !ToInt32(fields[0], kind) || !ToInt32(fields[1], id) ||
            !ToInt32(fields[2], parentId) || !ToFrequency(fields[4], frequency)) {
            *this = TArchive();
            return {tArchiveLoad::BadRow, key, value, {}};
        }
        const auto found = first.find(parentId);
        if (kind != 1 && kind != 2) {
            drop(tDroppedRow::UnknownKind, key, value, id, parentId);
            continue;
        }
        if (found == first.end()) {
            drop(tDroppedRow::NoParent, key, value, id, parentId);
            continue;
        }
        if (found->second->IsStation()) { // stations hold nothing
            drop(tDroppedRow::UnderStation, key, value, id, parentId);
            continue;
        }
        auto node = std::make_unique<TArchiveNode>();
        node->Name = name;
        node->Record = tStation(parentId, frequency, fields[3].compare(QLatin1String("K"), Qt::CaseInsensitive) ? 1 : 0, id);
        node->Record.Kind = std::uint8_t(kind);
        if (kind == 1) node->Record.Frequency = 0;
        TArchiveNode* added = Append(*found->second, std::move(node));
        auto [place, inserted] = first.try_emplace(id, added);
        if (!inserted && Before(added, place->second)) place->second = added;
        // New identifiers must not meet stored ones, or the next load would
        // hang rows under the wrong node.
        lastId_ = std::max(lastId_, id);
    }
    for (const int n : uncounted) {
        const QString key = RowPrefix + QString::number(n);
        const QString value = profile.ReadString(Section, key, QString());
        if (value.isEmpty()) continue;
        // Not read as a row, but it may be one day: its identifiers, when
        // they convert, are kept clear of new nodes all the same.
        QString fields[5];
        QString name;
        std::int32_t id = 0;
        std::int32_t parentId = 0;
        if (!SplitRow(value, fields, name) || !ToInt32(fields[1], id) ||
            !ToInt32(fields[2], parentId))
            id = parentId = 0;
        drop(rows < 0 ? tDroppedRow::NoCount : tDroppedRow::BeyondCount, key, value, id, parentId);
    }
    MarkLoops(dropped_, links);
    Sort();
    GiveUniqueIds();
    return {tArchiveLoad::Loaded, {}, {}, dropped_};
}

void TArchive::GiveUniqueIds()
{
    // A hand-edited file may give two nodes one identifier. Once sorted, the
    // second can come first in the file, and the next load would hang the
    // first one's rows under it. The first node in tree order keeps the
    // identifier, later ones get new ones, and every row names its parent's.
    std::unordered_set<std::int32_t> seen{root_->Record.Id};
    std::vector<TArchiveNode*> pending{root_.get()};
    while (!pending.empty()) {
        TArchiveNode* node = pending.back();
        pending.pop_back();
        if (!node->IsRoot() && !seen.insert(node->Record.Id).second) {
            node->Record.Id = NewId();
            seen.insert(node->Record.Id);
        }
        for (auto child = node->children_.rbegin(); child != node->children_.rend(); ++child) {
            (*child)->Record.ParentId = node->Record.Id;
            pending.push_back(child->get());
        }
    }
}

void TArchive::Save(TProfile& profile) const
{
    profile.EraseSection(Section);
    const auto counted = std::count_if(dropped_.begin(), dropped_.end(),
                                       [](const tDroppedRow& row) { return Counted(row.Reason); });
    profile.WriteInteger(Section, RowsKey, NodeCount() - 1 + int(counted));
    int n = 0;
    Walk([&](const TArchiveNode& node, int) { profile.WriteString(Section, RowPrefix + QString::number(++n), RowText(node)); });
    // The rows the tree could not take follow it unchanged: the counted ones
    // within "Rows", the others after it, where they were not read either.
    for (const bool inCount : {true, false})
        for (const tDroppedRow& row : dropped_)
            if (row.Reason != tDroppedRow::NotANumber && Counted(row.Reason) == inCount)
                profile.WriteString(Section, RowPrefix + QString::number(++n), row.Value);
    for (const tDroppedRow& row : dropped_)
        if (row.Reason == tDroppedRow::NotANumber) profile.WriteString(Section, row.Key, row.Value);
    for (const auto& [key, value] : otherKeys_)
        profile.WriteString(Section, key, value);
}
