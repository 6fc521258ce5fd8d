#pragma once
// The archive tree as an item model for RadioTree: one column, the node's
// name, and the closed-folder, open-folder or station picture. Changes go
// through here so the view follows them; the rules themselves are TArchive's.

#include "Archive.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QSet>
#include <functional>

class TArchiveModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TArchiveModel(TArchive& archive, QObject* parent = nullptr);

    TArchiveNode* Node(const QModelIndex& index) const;
    QModelIndex IndexOf(const TArchiveNode* node) const;

    QModelIndex AddFolder(const QModelIndex& parent);
    QModelIndex AddStation(const QModelIndex& parent, std::uint8_t band, double frequency);
    void Delete(const QModelIndex& index);
    // Moves after CheckMove said yes; the node keeps its records.
    void Move(const QModelIndex& node, const QModelIndex& target);
    // The folder picture: open while the view shows the folder expanded.
    void SetOpen(const QModelIndex& index, bool open);
    // Repaints a node whose record changed.
    void Changed(const TArchiveNode* node);

    // Asked when an in-place edit ends; true lets the new name stand.
    std::function<bool(TArchiveNode& node, const QString& text)> OnRename;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TArchive& archive_;
    QSet<const TArchiveNode*> open_;
    QIcon closed_, opened_, station_;
};
