// The widget behind CListCtrl: a report view over a model of byte rows.
// Rows are positions: texts move between rows, item state stays put.
// Insertion at the top is O(1); column widths for "fit the widest cell" are
// kept up to date per cell, so sizing after each change costs O(log n).
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QFont>
#include <QTreeView>

#include "CString.h"

class ListModel : public QAbstractTableModel {
public:
    using Measure = std::function<int(const CString&)>;

    explicit ListModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const { return static_cast<int>(m_headings.size()); }
    int InsertRow(int index, const CString& firstCell);
    bool DeleteRow(int index);
    bool SetCell(int row, int column, CString text);
    // Exchanges the texts of two rows (with their measured widths).
    bool SwapRows(int rowA, int rowB);
    const CString& Cell(int row, int column) const;
    void InsertColumn(int index, const CString& heading, int format);
    const CString& Heading(int column) const { return m_headings[static_cast<std::size_t>(column)]; }

    void SetMeasure(Measure measure);
    // Width of the widest cell of a column, 0 without rows.
    int WidestCell(int column) const;
    // The same, measured from scratch (for checking the running figures).
    int MeasureWidestCell(int column) const;

    // Text as shown in a cell: one line, line breaks as a symbol, cut short.
    static QString DisplayText(const CString& bytes);

private:
    struct CellData {
        CString text;
        int width = 0;
    };
    using Row = std::vector<CellData>;

    // How many cells of a column have each width; the widest is kept at hand.
    struct WidthCounts {
        std::vector<int> cells;  // indexed by width
        int total = 0;
        int widest = 0;
        void Add(int width, int count);
        void Remove(int width);
    };
    void ReportChanges();
    void ChangesPending(int top, int bottom);
    int Width(const CString& text) const { return m_measure ? m_measure(text) : 0; }

    std::deque<Row> m_rows;
    std::vector<CString> m_headings;
    std::vector<int> m_formats;
    std::vector<WidthCounts> m_widthCounts;  // per column
    Measure m_measure;
    bool m_bChangePending = false;
    int m_changedTop = 0;
    int m_changedBottom = 0;
};

class ListView : public QTreeView {
public:
    explicit ListView(QWidget* parent);

    ListModel* Model() const { return m_pModel; }

    int InsertItem(int index, const CString& text);
    bool DeleteItem(int index);
    bool SetItemText(int row, int column, CString text);
    bool SwapItemTexts(int rowA, int rowB);
    CString GetItemText(int row, int column) const;
    int GetItemCount() const { return m_pModel->RowCount(); }
    int GetSelectionMark() const { return m_nSelectionMark; }
    void SetSelectionMark(int index) { m_nSelectionMark = index; }
    int InsertColumn(int index, const CString& heading, int format, int width);
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);
    void SetFullRowSelect(bool on);
    void SetRedraw(bool on);
    void InvalidateAll();

    // Notifications to the owner: a click in the list, a click on a heading.
    std::function<void()> onClick;
    std::function<void(int)> onColumnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int CellWidth(const CString& text) const;
    int HeadingWidth(int column) const;
    int ClientWidth() const;
    void ApplyWidths();

    ListModel* m_pModel;
    std::vector<int> m_widths;  // the widths as the program set them
    mutable std::vector<int> m_headingWidths;
    int m_nSelectionMark = -1;
    bool m_bRedraw = true;
    bool m_bMovingRows = false;
    double m_asciiAdvance[128] = {};
    double m_lineBreakAdvance = 0;
    double m_ellipsisAdvance = 0;
    mutable int m_rowHeight = 0;
    QFont m_cellFont;
};
