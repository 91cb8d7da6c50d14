#pragma once

#include "engine/combinationlist.h"

#include <QAbstractListModel>

namespace ornal {

// List1's content: the engine's list itself, read line by line as the view paints, never copied into QStrings.
class CombinationListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CombinationListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The lines shown.
    const CombinationList& list() const { return m_list; }
    // Replaces every line at once (one reset, no repaint per line).
    void setList(CombinationList list);
    // Replaces every line at once and hands back the lines replaced, moved rather than copied.
    CombinationList exchangeList(CombinationList list);

private:
    CombinationList m_list;
};

} // namespace ornal
