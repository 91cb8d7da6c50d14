#include "ui/combinationlistmodel.h"

#include "ui/qtbridge.h"

namespace ornal {

CombinationListModel::CombinationListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int CombinationListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.size());
}

QVariant CombinationListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return ToQString(m_list.line(static_cast<CombinationList::Count>(index.row())));
}

void CombinationListModel::setList(CombinationList list)
{
    exchangeList(std::move(list));
}

CombinationList CombinationListModel::exchangeList(CombinationList list)
{
    beginResetModel();
    std::swap(m_list, list);
    endResetModel();
    return list;
}

} // namespace ornal
