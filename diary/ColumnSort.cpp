// Ordering the list by a column: ascending by exact byte order, stable;
// a list that already stands ascending is reversed instead.
#include <algorithm>
#include <numeric>
#include <vector>

#include "DiaryDlg.h"

void CDiaryDlg::OnColumnClickList(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pNMListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    SortByColumn(pNMListView->iSubItem);
    *pResult = 0;
}

void CDiaryDlg::SortByColumn(int nColumn)
{
    UpdateData(TRUE);
    const int n = m_list.GetItemCount();
    m_nEntries = n;

    std::vector<CString> keys(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        keys[static_cast<std::size_t>(i)] = m_list.GetItemText(i, nColumn);

    bool bAscending = true;
    for (int i = 0; i + 1 < n && bAscending; ++i)
        bAscending = _mbscmp(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(i) + 1]) <= 0;
    if (bAscending) {
        // Nothing to exchange: the click reverses the whole list.
        ReverseRows();
        UpdateData(FALSE);
        return;
    }

    // order[i]: the row whose texts belong at position i. Stable, so rows
    // with equal texts keep their relative order.
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return _mbscmp(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]) < 0;
    });
    keys.clear();
    keys.shrink_to_fit();

    // Move the texts into place cycle by cycle with row exchanges, so the
    // rows themselves (and their selection state) stay where they are.
    std::vector<bool> placed(static_cast<std::size_t>(n), false);
    for (int start = 0; start < n; ++start) {
        int at = start;
        while (!placed[static_cast<std::size_t>(at)]) {
            placed[static_cast<std::size_t>(at)] = true;
            const int from = order[static_cast<std::size_t>(at)];
            if (from == start)
                break;
            ExchangeRows(at, from);
            at = from;
        }
    }
    UpdateData(FALSE);
}
