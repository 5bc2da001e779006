#include "ui/components/ComponentTableModel.h"

#include <QColor>
#include <QLocale>
#include <QScopedValueRollback>

#include <algorithm>
#include <optional>

#include "ui/components/ComponentTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

bool IsEditable(ComponentColumn::Kind kind) {
    return kind == ComponentColumn::Name || kind == ComponentColumn::RetentionTime ||
           kind == ComponentColumn::TimeWindow;
}

// The editor starts from the shortest text that reads back as the same number, so a cell
// opened and left unchanged leaves the value exact ("%g" would round it to six digits).
QString EditText(double value) {
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

// A point for the decimals, as everywhere in the workstation; a comma is refused rather than
// read as a thousands separator ("1,5" must not become 15).
std::optional<double> ReadNumber(const QVariant& value) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(value.toString().trimmed(), &ok);
    return ok ? std::optional(v) : std::nullopt;
}

// A row whose time changed goes where an added component of that time would: after every
// other row of equal or smaller time. Returns its new row. Identification takes the first
// matching row, and the elution-order mode pairs peaks with rows by position, so the order
// must hold.
int KeepInTimeOrder(CPrjDoc& project, int row) {
    auto& rows = project.m_Components;
    CComponentItem item = std::move(rows[static_cast<std::size_t>(row)]);
    rows.erase(rows.begin() + row);
    const auto at = std::find_if(rows.begin(), rows.end(), [&](const CComponentItem& c) {
        return c.m_RetentionTime > item.m_RetentionTime;
    });
    return static_cast<int>(rows.insert(at, std::move(item)) - rows.begin());
}

// Where row `r` is once row `from` moved to `to`.
int MovedRow(int r, int from, int to) {
    if (r == from)
        return to;
    if (from < to && r > from && r <= to)
        return r - 1;
    if (to < from && r >= to && r < from)
        return r + 1;
    return r;
}

}  // namespace

ComponentTableModel::ComponentTableModel(ProjectSession& session, QObject* parent)
    : QAbstractTableModel(parent),
      m_Session(session),
      m_Columns(ComponentColumns(session.Project())) {
    connect(&session.Undo(), &QUndoStack::indexChanged, this, &ComponentTableModel::Refresh);
}

const ComponentColumn& ComponentTableModel::Column(int column) const {
    return m_Columns.at(static_cast<std::size_t>(column));
}

void ComponentTableModel::Refresh() {
    if (m_OwnStep)
        return;
    beginResetModel();
    m_Columns = ComponentColumns(m_Session.Project());
    endResetModel();
}

int ComponentTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Session.Project().m_Components.size());
}

int ComponentTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Columns.size());
}

QVariant ComponentTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CPrjDoc& project = m_Session.Project();
    const ComponentColumn& column = Column(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return Q(ComponentCellText(project, index.row(), column));
        case Qt::EditRole: {
            const CComponentItem& c = *project.ComponentAt(index.row());
            if (column.kind == ComponentColumn::RetentionTime)
                return EditText(c.m_RetentionTime);
            if (column.kind == ComponentColumn::TimeWindow)
                return EditText(c.m_TimeWindow);
            return Q(ComponentCellText(project, index.row(), column));
        }
        case Qt::BackgroundRole: {
            const Rgb colour = ComponentRowColour(index.row());
            return QColor(colour.r, colour.g, colour.b);
        }
        default:
            return {};
    }
}

QVariant ComponentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return Q(Column(section).header);
}

Qt::ItemFlags ComponentTableModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return IsEditable(Column(index.column()).kind) ? base | Qt::ItemIsEditable : base;
}

bool ComponentTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int row = index.row();
    const CComponentItem& c = *m_Session.Project().ComponentAt(row);
    switch (Column(index.column()).kind) {
        case ComponentColumn::Name: {
            // An unchanged text keeps the name's own bytes, which need not be valid text.
            if (value.toString() != Q(c.m_Name))
                EditRow(row, texts::kStepRename,
                        [name = S(value.toString())](CComponentItem& e) { e.m_Name = name; });
            return true;
        }
        case ComponentColumn::RetentionTime: {
            const auto minutes = ReadNumber(value);
            if (!minutes)
                return false;
            if (*minutes != c.m_RetentionTime)
                EditRow(row, texts::kStepRetentionTime,
                        [t = *minutes](CComponentItem& e) { e.m_RetentionTime = t; });
            return true;
        }
        case ComponentColumn::TimeWindow: {
            const auto window = ReadNumber(value);
            if (!window)
                return false;
            EditRow(row, texts::kStepTimeWindow,
                    [w = *window](CComponentItem& e) { e.m_TimeWindow = w; });
            return true;
        }
        default:
            return false;
    }
}

// The view is in the middle of committing its edit box when this runs: a rebuild would take
// the box from under it, so the step's own rebuild is held back and the rows are rearranged
// in place instead, the persistent indexes (the focus among them) following the moved row.
void ComponentTableModel::EditRow(int row, const Text& step,
                                  const std::function<void(CComponentItem&)>& change) {
    CPrjDoc& project = m_Session.Project();
    emit layoutAboutToBeChanged();
    int to = row;
    {
        const QScopedValueRollback ownStep(m_OwnStep, true);
        ProjectEdit edit(m_Session, T(step));
        const double time = project.m_Components[static_cast<std::size_t>(row)].m_RetentionTime;
        change(project.m_Components[static_cast<std::size_t>(row)]);
        if (project.m_Components[static_cast<std::size_t>(row)].m_RetentionTime != time)
            to = KeepInTimeOrder(project, row);
        project.m_Modified = true;
        edit.Commit();
    }
    QModelIndexList moved;
    const QModelIndexList before = persistentIndexList();
    for (const QModelIndex& i : before)
        moved << this->index(MovedRow(i.row(), row, to), i.column());
    changePersistentIndexList(before, moved);
    emit layoutChanged();
    // A name also shows in the internal-standard cells of the rows that refer to it.
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
}

}  // namespace lx
