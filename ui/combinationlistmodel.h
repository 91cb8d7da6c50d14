#pragma once

#include "engine/combinationlist.h"

#include <QAbstractListModel>

namespace ornal {

// List1's content: the game's list itself, read line by line as the view paints, never copied into QStrings.
class CombinationListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // Shows list, which outlives the model.
    explicit CombinationListModel(const CombinationList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The list's lines have changed: the view reads them again at once (one reset, no repaint per line).
    void listChanged();

private:
    const CombinationList& m_list;
};

} // namespace ornal
