#pragma once

// The day, month and year lists the date dialogs share, reached by the ids
// of their three combos.

#include "datetools/date_lists.h"
#include "platform/ui/dialog.h"

#include <string>
#include <vector>

namespace halvo
{

struct DateListIds
{
    int day = 0;
    int month = 0;
    int year = 0;
};

// Puts the rows into an empty list.
void FillRows(CComboBox list, const std::vector<std::string>& rows);

// Selects the rows; a list whose row is -1 keeps what it showed before.
void ShowRows(const CDialog& dialog, const DateListIds& ids, const DateRows& rows);

// The rows selected now, -1 in a list with no selection.
DateRows SelectedRows(const CDialog& dialog, const DateListIds& ids);

} // namespace halvo
