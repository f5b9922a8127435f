#include "platform/ui/controls.h"

#include "platform/text/collation.h"
#include "platform/ui/accessibility_impl.h"
#include "platform/ui/control_adapters.h"
#include "platform/ui/dialog.h"

namespace halvo
{

ControlAdapter& CControl::Adapter() const
{
    return dialog_->ControlAt(id_);
}

void CControl::EnableWindow(bool enable)
{
    if (QWidget* widget = Adapter().Widget())
        widget->setEnabled(enable);
}

bool CControl::IsWindowEnabled() const
{
    const QWidget* widget = Adapter().Widget();
    return widget != nullptr && widget->isEnabled();
}

void CControl::ShowWindow(bool show)
{
    if (QWidget* widget = Adapter().Widget())
        widget->setVisible(show);
}

void CControl::SetWindowText(const std::string& text)
{
    Adapter().SetText(ToQString(text));
}

std::string CControl::GetWindowText() const
{
    return FromQString(Adapter().Text());
}

void CControl::SetAccessibleName(const std::string& name)
{
    if (QWidget* widget = Adapter().Widget())
    {
        widget->setAccessibleName(ToQString(name));
        widget->setProperty(kNamedByProgram, true);
    }
}

// --- Buttons and edits.

bool CButton::GetCheck() const
{
    return Adapter().Checked();
}
void CButton::SetCheck(bool checked)
{
    Adapter().SetChecked(checked);
}
void CButton::Click()
{
    Adapter().ClickByUser();
}

void CEdit::TypeByUser(const std::string& text)
{
    Adapter().TypeByUser(ToQString(text));
}

// --- Lists.

int CListControl::AddString(const std::string& text)
{
    ControlAdapter& list = Adapter();
    int index = list.Count();
    if (list.Sorted())
    {
        // After the last entry that does not sort after the text, so equal
        // entries keep their order of adding. A binary search: the city
        // lists have thousands of entries.
        int low = 0;
        int high = list.Count();
        while (low < high)
        {
            const int middle = low + (high - low) / 2;
            if (CompareCaseInsensitive(FromQString(list.ItemText(middle)), text) <= 0)
                low = middle + 1;
            else
                high = middle;
        }
        index = low;
    }
    if (list.Widget() == nullptr)
        return -1;
    list.Insert(index, ToQString(text), 0);
    return index;
}

void CListControl::ResetContent()
{
    Adapter().Clear();
}

int CListControl::GetCount() const
{
    return Adapter().Count();
}

int CListControl::GetCurSel() const
{
    return Adapter().Selection();
}

bool CListControl::SetCurSel(int index)
{
    if (index < -1 || index >= GetCount())
        return false;
    Adapter().Select(index);
    return true;
}

std::string CListControl::GetText(int index) const
{
    if (index < 0 || index >= GetCount())
        return {};
    return FromQString(Adapter().ItemText(index));
}

int CListControl::FindString(int startAfter, const std::string& prefix) const
{
    const ControlAdapter& list = Adapter();
    const int count = list.Count();
    if (count == 0)
        return -1;
    const int first = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step)
    {
        const int index = (first + step) % count;
        if (BeginsWithCaseInsensitive(FromQString(list.ItemText(index)), prefix))
            return index;
    }
    return -1;
}

int CListControl::SelectString(int startAfter, const std::string& prefix)
{
    const int index = FindString(startAfter, prefix);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

void CListControl::SelectByUser(int index)
{
    if (index >= -1 && index < GetCount())
        Adapter().SelectByUser(index);
}

// --- Icon lists.

int CListCtrl::InsertItem(const std::string& text, int iconId)
{
    ControlAdapter& list = Adapter();
    if (list.Widget() == nullptr)
        return -1;
    const int index = list.Count();
    list.Insert(index, ToQString(text), iconId);
    return index;
}

int CListCtrl::GetItemCount() const
{
    return Adapter().Count();
}

std::string CListCtrl::GetItemText(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    return FromQString(Adapter().ItemText(index));
}

int CListCtrl::GetSelectedItem() const
{
    return Adapter().Selection();
}

void CListCtrl::SelectItem(int index)
{
    Adapter().Select(index);
}

void CListCtrl::SelectItemByUser(int index)
{
    Adapter().SelectByUser(index);
}

// --- Date pickers.

DateRecord CDateTimeCtrl::GetTime() const
{
    return Adapter().Date();
}
void CDateTimeCtrl::SetTime(const DateRecord& date)
{
    Adapter().SetDate(date);
}
void CDateTimeCtrl::SetFormat(const std::string& format)
{
    Adapter().SetFormat(ToQString(format));
}
void CDateTimeCtrl::SetTimeByUser(const DateRecord& date)
{
    Adapter().SetDateByUser(date);
}
void CDateTimeCtrl::PickDateByUser(int year, int month, int day)
{
    Adapter().PickDayByUser(year, month, day);
}

} // namespace halvo
