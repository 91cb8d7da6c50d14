#include "ui/combinationlistmodel.h"

#include "ui/qtbridge.h"

namespace ornal {

CombinationListModel::CombinationListModel(const CombinationList& list, QObject* parent)
    : QAbstractListModel(parent)
    , m_list(list)
{
}

int CombinationListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.size());
}

QVariant CombinationListModel::data(const QModelIndex& index, int role) const
{
    // A row beyond the lines may be asked for between a change of the list and its reset.
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return ToQString(m_list.line(static_cast<CombinationList::Count>(index.row())));
}

void CombinationListModel::listChanged()
{
    beginResetModel();
    endResetModel();
}

} // namespace ornal
