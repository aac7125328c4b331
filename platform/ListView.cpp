#include "ListView.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include "ByteCodec.h"

namespace {

constexpr int kDisplayLimit = 259;  // characters shown in one cell
constexpr int kCellPadding = 12;    // text margins left and right
constexpr int kDefaultColumnWidth = 60;
const QChar kLineBreakSymbol(0x21B5);  // a downwards arrow with corner leftwards

const CString kNoText;

}  // namespace

// ---- model ------------------------------------------------------------------

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount();
}

QString ListModel::DisplayText(const CString& bytes)
{
    QString text = BytesToQString(bytes.view().substr(0, kDisplayLimit * 4));
    bool cut = bytes.GetLength() > kDisplayLimit * 4;
    text.replace(QStringLiteral("\r\n"), QString(kLineBreakSymbol));
    text.replace(QLatin1Char('\n'), kLineBreakSymbol);
    text.replace(QLatin1Char('\r'), kLineBreakSymbol);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (text.size() > kDisplayLimit) {
        text.truncate(kDisplayLimit);
        cut = true;
    }
    if (cut)
        text.append(QChar(0x2026));
    return text;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return DisplayText(Cell(index.row(), index.column()));
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount())
        return {};
    return BytesToQString(Heading(section).view());
}

void ListModel::WidthCounts::Add(int width, int count)
{
    if (count <= 0)
        return;
    if (width >= static_cast<int>(cells.size()))
        cells.resize(static_cast<std::size_t>(width) + 1, 0);
    cells[static_cast<std::size_t>(width)] += count;
    total += count;
    widest = std::max(widest, width);
}

void ListModel::WidthCounts::Remove(int width)
{
    if (width < 0 || width >= static_cast<int>(cells.size()) || cells[static_cast<std::size_t>(width)] == 0)
        return;
    --cells[static_cast<std::size_t>(width)];
    --total;
    while (widest > 0 && cells[static_cast<std::size_t>(widest)] == 0)
        --widest;
}

int ListModel::InsertRow(int index, const CString& firstCell)
{
    const int n = RowCount();
    if (index < 0 || index > n)
        index = n;
    const int emptyWidth = Width(kNoText);
    Row row(static_cast<std::size_t>(ColumnCount()), CellData{CString(), emptyWidth});
    beginInsertRows(QModelIndex(), index, index);
    if (index == 0)
        m_rows.push_front(std::move(row));
    else
        m_rows.insert(m_rows.begin() + index, std::move(row));
    for (WidthCounts& counts : m_widthCounts)
        counts.Add(emptyWidth, 1);
    endInsertRows();
    SetCell(index, 0, firstCell);
    return index;
}

bool ListModel::DeleteRow(int index)
{
    if (index < 0 || index >= RowCount())
        return false;
    beginRemoveRows(QModelIndex(), index, index);
    const Row& row = m_rows[static_cast<std::size_t>(index)];
    for (int c = 0; c < ColumnCount(); ++c)
        m_widthCounts[static_cast<std::size_t>(c)].Remove(row[static_cast<std::size_t>(c)].width);
    m_rows.erase(m_rows.begin() + index);
    endRemoveRows();
    return true;
}

bool ListModel::SetCell(int row, int column, CString text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return false;
    CellData& cell = m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    const int width = Width(text);
    WidthCounts& counts = m_widthCounts[static_cast<std::size_t>(column)];
    counts.Remove(cell.width);
    counts.Add(width, 1);
    cell.text = std::move(text);
    cell.width = width;
    ChangesPending(row, row);
    return true;
}

bool ListModel::SwapRows(int rowA, int rowB)
{
    if (rowA < 0 || rowB < 0 || rowA >= RowCount() || rowB >= RowCount())
        return false;
    std::swap(m_rows[static_cast<std::size_t>(rowA)], m_rows[static_cast<std::size_t>(rowB)]);
    ChangesPending(std::min(rowA, rowB), std::max(rowA, rowB));
    return true;
}

void ListModel::ChangesPending(int top, int bottom)
{
    // One report for a run of changes (a sort rewrites every row), covering
    // the rows they touched.
    if (!m_bChangePending) {
        m_bChangePending = true;
        m_changedTop = top;
        m_changedBottom = bottom;
        QMetaObject::invokeMethod(this, [this] { ReportChanges(); }, Qt::QueuedConnection);
        return;
    }
    m_changedTop = std::min(m_changedTop, top);
    m_changedBottom = std::max(m_changedBottom, bottom);
}

void ListModel::ReportChanges()
{
    m_bChangePending = false;
    if (RowCount() == 0 || ColumnCount() == 0)
        return;
    // Rows inserted or deleted since then may have moved the range: keep it
    // within the list.
    const int top = std::clamp(m_changedTop, 0, RowCount() - 1);
    const int bottom = std::clamp(m_changedBottom, top, RowCount() - 1);
    emit dataChanged(index(top, 0), index(bottom, ColumnCount() - 1), {Qt::DisplayRole});
}

const CString& ListModel::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return kNoText;
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
}

void ListModel::InsertColumn(int index, const CString& heading, int format)
{
    const int n = ColumnCount();
    if (index < 0 || index > n)
        index = n;
    beginInsertColumns(QModelIndex(), index, index);
    m_headings.insert(m_headings.begin() + index, heading);
    m_formats.insert(m_formats.begin() + index, format);
    m_widthCounts.insert(m_widthCounts.begin() + index, WidthCounts());
    const int emptyWidth = Width(kNoText);
    for (Row& row : m_rows)
        row.insert(row.begin() + index, CellData{CString(), emptyWidth});
    m_widthCounts[static_cast<std::size_t>(index)].Add(emptyWidth, RowCount());
    endInsertColumns();
}

void ListModel::SetMeasure(Measure measure)
{
    m_measure = std::move(measure);
    for (auto& counts : m_widthCounts)
        counts = WidthCounts();
    for (Row& row : m_rows) {
        for (int c = 0; c < ColumnCount(); ++c) {
            CellData& cell = row[static_cast<std::size_t>(c)];
            cell.width = Width(cell.text);
            m_widthCounts[static_cast<std::size_t>(c)].Add(cell.width, 1);
        }
    }
}

int ListModel::WidestCell(int column) const
{
    if (column < 0 || column >= ColumnCount())
        return 0;
    const WidthCounts& counts = m_widthCounts[static_cast<std::size_t>(column)];
    return counts.total == 0 ? 0 : counts.widest;
}

int ListModel::MeasureWidestCell(int column) const
{
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r)
        widest = std::max(widest, Width(Cell(r, column)));
    return widest;
}

// ---- view -------------------------------------------------------------------

ListView::ListView(QWidget* parent) : QTreeView(parent), m_pModel(new ListModel(this))
{
    setModel(m_pModel);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideRight);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Widths are measured with kerning off, so a text's width is the sum of
    // its characters' advances and can be computed fast for plain text.
    m_cellFont = font();
    m_cellFont.setKerning(false);
    setFont(m_cellFont);
    const QFontMetricsF metrics(m_cellFont);
    for (int c = 32; c < 127; ++c)
        m_asciiAdvance[c] = metrics.horizontalAdvance(QChar(c));
    m_asciiAdvance[static_cast<int>('\t')] = m_asciiAdvance[static_cast<int>(' ')];
    m_lineBreakAdvance = metrics.horizontalAdvance(kLineBreakSymbol);
    m_ellipsisAdvance = metrics.horizontalAdvance(QChar(0x2026));
    m_pModel->SetMeasure([this](const CString& text) { return CellWidth(text); });

    connect(header(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (onColumnClick)
            onColumnClick(section);
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (!m_bMovingRows && current.isValid())
                    m_nSelectionMark = current.row();
            });
}

int ListView::CellWidth(const CString& text) const
{
    // Plain ASCII: add up the advances of what the cell shows (line breaks
    // as one symbol, at most kDisplayLimit characters, then an ellipsis).
    const std::string& s = text.str();
    double sum = 0;
    int shown = 0;
    bool plain = true;
    std::size_t i = 0;
    for (; i < s.size() && shown < kDisplayLimit; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b == '\r' || b == '\n') {
            if (b == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
            sum += m_lineBreakAdvance;
        } else if (b >= 127 || (b < 32 && b != '\t')) {
            plain = false;
            break;
        } else {
            sum += m_asciiAdvance[b];
        }
        ++shown;
    }
    if (plain) {
        if (i < s.size())
            sum += m_ellipsisAdvance;
        return static_cast<int>(std::ceil(sum)) + kCellPadding;
    }
    const QFontMetricsF metrics(m_cellFont);
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(ListModel::DisplayText(text)))) + kCellPadding;
}

int ListView::HeadingWidth(int column) const
{
    // Headings do not change once made: measure each once.
    int& cached = m_headingWidths[static_cast<std::size_t>(column)];
    if (cached < 0) {
        const QFontMetrics metrics(header()->font());
        const QString heading = BytesToQString(m_pModel->Heading(column).view());
        cached = metrics.horizontalAdvance(heading) + 2 * kCellPadding;
    }
    return cached;
}

int ListView::InsertItem(int index, const CString& text)
{
    m_bMovingRows = true;
    const int at = m_pModel->InsertRow(index, text);
    m_bMovingRows = false;
    if (m_nSelectionMark >= at)
        ++m_nSelectionMark;
    return at;
}

bool ListView::DeleteItem(int index)
{
    if (index < 0 || index >= GetItemCount())
        return false;
    m_bMovingRows = true;
    m_pModel->DeleteRow(index);
    if (m_nSelectionMark == index) {
        // The marked row is gone: nothing is marked, nothing shows as selected.
        m_nSelectionMark = -1;
        selectionModel()->clear();
    } else if (m_nSelectionMark > index) {
        --m_nSelectionMark;
    }
    m_bMovingRows = false;
    return true;
}

bool ListView::SetItemText(int row, int column, CString text)
{
    return m_pModel->SetCell(row, column, std::move(text));
}

bool ListView::SwapItemTexts(int rowA, int rowB)
{
    return m_pModel->SwapRows(rowA, rowB);
}

CString ListView::GetItemText(int row, int column) const
{
    return m_pModel->Cell(row, column);
}

int ListView::InsertColumn(int index, const CString& heading, int format, int width)
{
    const int n = m_pModel->ColumnCount();
    if (index < 0 || index > n)
        index = n;
    m_pModel->InsertColumn(index, heading, format);
    m_widths.insert(m_widths.begin() + index, width >= 0 ? width : kDefaultColumnWidth);
    m_headingWidths.insert(m_headingWidths.begin() + index, -1);
    ApplyWidths();
    return index;
}

int ListView::GetColumnWidth(int column) const
{
    if (column < 0 || column >= static_cast<int>(m_widths.size()))
        return 0;
    return m_widths[static_cast<std::size_t>(column)];
}

bool ListView::SetColumnWidth(int column, int width)
{
    const int n = static_cast<int>(m_widths.size());
    if (column < 0 || column >= n)
        return false;
    if (width == -1) {  // fit the widest cell
        width = m_pModel->WidestCell(column);
        if (width == 0)
            width = kCellPadding;
    } else if (width == -2) {  // fit the heading; the last column fills the rest
        width = HeadingWidth(column);
        if (column == n - 1) {
            int used = 0;
            for (int c = 0; c < n - 1; ++c)
                used += m_widths[static_cast<std::size_t>(c)];
            width = std::max(width, ClientWidth() - used);
        }
    }
    m_widths[static_cast<std::size_t>(column)] = std::clamp(width, 0, 0xFFFF);
    if (m_bRedraw)
        ApplyWidths();
    return true;
}

int ListView::ClientWidth() const
{
    // Before the list is first shown its viewport has no size yet: work it
    // out from the frame, less a vertical scroll bar when the rows need one.
    if (isVisible())
        return viewport()->width();
    int available = width() - 2 * frameWidth();
    const int rows = GetItemCount();
    if (rows > 0 && verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        if (m_rowHeight <= 0)
            m_rowHeight = std::max(1, sizeHintForRow(0));
        const int rowHeight = m_rowHeight;
        const int visibleHeight = height() - 2 * frameWidth() - header()->sizeHint().height();
        if (static_cast<long long>(rows) * rowHeight > visibleHeight)
            available -= verticalScrollBar()->sizeHint().width();
    }
    return available;
}

void ListView::ApplyWidths()
{
    for (int c = 0; c < static_cast<int>(m_widths.size()) && c < header()->count(); ++c) {
        if (header()->sectionSize(c) != m_widths[static_cast<std::size_t>(c)])
            header()->resizeSection(c, m_widths[static_cast<std::size_t>(c)]);
    }
}

void ListView::SetFullRowSelect(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setAllColumnsShowFocus(on);
}

void ListView::SetRedraw(bool on)
{
    // Nothing paints while a handler runs; suspending only defers the widths.
    m_bRedraw = on;
    if (on)
        ApplyWidths();
}

void ListView::InvalidateAll()
{
    viewport()->update();
    header()->viewport()->update();
}

void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && onClick)
        onClick();
}
