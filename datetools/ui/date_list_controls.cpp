#include "datetools/ui/date_list_controls.h"

namespace halvo
{

void FillRows(CComboBox list, const std::vector<std::string>& rows)
{
    for (const std::string& row : rows)
        list.AddString(row);
}

void ShowRows(const CDialog& dialog, const DateListIds& ids, const DateRows& rows)
{
    const auto show = [&dialog](int id, int row)
    {
        if (row >= 0)
            dialog.Combo(id).SetCurSel(row);
    };
    show(ids.day, rows.day);
    show(ids.month, rows.month);
    show(ids.year, rows.year);
}

DateRows SelectedRows(const CDialog& dialog, const DateListIds& ids)
{
    return {dialog.Combo(ids.day).GetCurSel(), dialog.Combo(ids.month).GetCurSel(),
            dialog.Combo(ids.year).GetCurSel()};
}

} // namespace halvo
