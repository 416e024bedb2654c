#include "ui/records/text_table_model.h"

namespace tap::ui {

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(source_.cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole && source_.numeric && source_.numeric(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromStdString(source_.title(section));
}

}  // namespace tap::ui
