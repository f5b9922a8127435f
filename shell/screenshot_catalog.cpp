#include "shell/screenshot_catalog.h"

#include "conventions/ui/asr_method_dialog.h"
#include "locations/ui/add_city_dialog.h"
#include "locations/ui/delete_city_dialog.h"
#include "locations/ui/edit_timezone_dialog.h"
#include "locations/ui/select_location_dialog.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

#include <cctype>
#include <map>

namespace halvo
{

namespace
{

template <class Dialog> std::unique_ptr<CDialog> Make(CMainFrame& frame)
{
    return std::make_unique<Dialog>(&frame);
}

// Select Location after a tap on Africa (Cairo's pixel) and the choice of
// Egypt and Cairo.
void TapEgyptAndCairo(testing::DialogHarness& dialog)
{
    dialog.PressAt(133, 40);
    dialog.SelectText(IDC_COUNTRIES, "Egypt");
    dialog.SelectText(IDC_CITIES, "Cairo");
}

std::unique_ptr<CDialog> MakeEditCity(CMainFrame& frame)
{
    auto dialog = std::make_unique<CAddCityDlg>(&frame);
    dialog->SetEditCity("Seattle, WA");
    return dialog;
}

// The dialogs the program opens with classes of their own, and the faces
// worth a picture.
std::vector<DialogShot> ClassShots()
{
    return {
        {IDD_ASR_METHOD, "asr-method", Make<CAsrMethodDlg>, {}},
        {IDD_SELECT_LOCATION, "select-location", Make<CSelectLocationDlg>, TapEgyptAndCairo},
        {IDD_ADD_CITY, "add-city-information", Make<CAddCityDlg>, {}},
        {IDD_ADD_CITY, "edit-city-information", MakeEditCity, {}},
        {IDD_DELETE_CITY, "delete-city", Make<CDeleteCityDlg>, {}},
        {IDD_EDIT_TIMEZONE, "edittimezone", Make<CEditTimezoneDlg>, {}},
    };
}

} // namespace

std::string FileNameOfTitle(const std::string& title)
{
    std::string name;
    for (const char c : title)
    {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name;
}

std::vector<DialogShot> DialogShots()
{
    std::map<int, std::vector<DialogShot>> byId;
    for (DialogShot& shot : ClassShots())
        byId[shot.id].push_back(std::move(shot));
    std::vector<DialogShot> shots;
    for (const int id : AllDialogIds())
    {
        auto found = byId.find(id);
        if (found != byId.end())
        {
            for (DialogShot& shot : found->second)
                shots.push_back(std::move(shot));
            continue;
        }
        // No class yet: the template alone.
        shots.push_back({id,
                         FileNameOfTitle(FindDialog(id).title),
                         [id](CMainFrame& frame)
                         { return std::make_unique<CDialog>(FindDialog(id), &frame); },
                         {}});
    }
    return shots;
}

} // namespace halvo
