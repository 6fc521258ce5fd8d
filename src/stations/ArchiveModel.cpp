#include "ArchiveModel.h"

#include <QApplication>
#include <QStyle>

TArchiveModel::TArchiveModel(TArchive& archive, QObject* parent)
    : QAbstractItemModel(parent), archive_(archive),
      closed_(QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon)),
      opened_(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon)),
      station_(QApplication::style()->standardIcon(QStyle::SP_MediaVolume))
{
}

TArchiveNode* TArchiveModel::Node(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<TArchiveNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TArchiveModel::IndexOf(const TArchiveNode* node) const
{
    if (!node) return {};
    return createIndex(node->IsRoot() ? 0 : node->Row(), 0, const_cast<TArchiveNode*>(node));
}

QModelIndex TArchiveModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) return row == 0 ? IndexOf(&archive_.Root()) : QModelIndex();
    const TArchiveNode* node = Node(parent);
    return row < node->ChildCount() ? IndexOf(node->Child(row)) : QModelIndex();
}

QModelIndex TArchiveModel::parent(const QModelIndex& child) const
{
    const TArchiveNode* node = Node(child);
    return node ? IndexOf(node->Parent()) : QModelIndex();
}

int TArchiveModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid()) return 1; // the root
    return parent.column() == 0 ? Node(parent)->ChildCount() : 0;
}

int TArchiveModel::columnCount(const QModelIndex&) const { return 1; }

QVariant TArchiveModel::data(const QModelIndex& index, int role) const
{
    const TArchiveNode* node = Node(index);
    if (!node) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return node->Name;
    if (role == Qt::DecorationRole) return node->IsStation() ? station_ : open_.contains(node) ? opened_ : closed_;
    return {};
}

bool TArchiveModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    TArchiveNode* node = Node(index);
    if (!node || role != Qt::EditRole || !OnRename || !OnRename(*node, value.toString())) return false;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TArchiveModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

QModelIndex TArchiveModel::AddFolder(const QModelIndex& parent)
{
    TArchiveNode* node = Node(parent);
    if (!node || node->IsStation()) return {};
    beginInsertRows(parent, node->ChildCount(), node->ChildCount());
    TArchiveNode* added = archive_.AddFolder(*node);
    endInsertRows();
    return IndexOf(added);
}

QModelIndex TArchiveModel::AddStation(const QModelIndex& parent, std::uint8_t band, double frequency)
{
    TArchiveNode* node = Node(parent);
    if (!node || node->IsStation()) return {};
    beginInsertRows(parent, node->ChildCount(), node->ChildCount());
    TArchiveNode* added = archive_.AddStation(*node, band, frequency);
    endInsertRows();
    return IndexOf(added);
}

void TArchiveModel::Delete(const QModelIndex& index)
{
    TArchiveNode* node = Node(index);
    if (!node || node->IsRoot()) return;
    // Forget the open pictures of the whole subtree: their nodes are freed.
    archive_.Walk([this, node](const TArchiveNode& n, int) {
        if (node->Contains(&n)) open_.remove(&n);
    });
    TArchiveNode* parentNode = node->Parent();
    beginRemoveRows(index.parent(), node->Row(), node->Row());
    archive_.Delete(*node);
    endRemoveRows();
    // A folder left empty shows closed again.
    if (parentNode->ChildCount() == 0) SetOpen(IndexOf(parentNode), false);
}

void TArchiveModel::Move(const QModelIndex& from, const QModelIndex& to)
{
    TArchiveNode* node = Node(from);
    TArchiveNode* target = Node(to);
    if (!node || !target || TArchive::CheckMove(*node, *target) != tArchiveRule::Allowed) return;
    beginMoveRows(from.parent(), node->Row(), node->Row(), to, target->ChildCount());
    archive_.Move(*node, *target);
    endMoveRows();
}

void TArchiveModel::SetOpen(const QModelIndex& index, bool open)
{
    const TArchiveNode* node = Node(index);
    if (!node || node->IsStation() || open_.contains(node) == open) return;
    if (open)
        open_.insert(node);
    else
        open_.remove(node);
    emit dataChanged(index, index, {Qt::DecorationRole});
}

void TArchiveModel::Changed(const TArchiveNode* node)
{
    const QModelIndex index = IndexOf(node);
    emit dataChanged(index, index);
}
