#include "settings/registry.h"

#include "platform/store/registry_store.h"

namespace halvo
{
namespace
{

std::string KeyPath(const std::string& subkey)
{
    return kRegistryRoot + subkey;
}

} // namespace

void ReadRegistryNumber(const std::string& subkey, const std::string& valueName, std::uint32_t& out)
{
    if (const auto number = RegistryReadNumber(KeyPath(subkey), valueName))
        out = *number;
}

bool WriteRegistryNumber(const std::string& subkey, const std::string& valueName,
                         std::uint32_t number)
{
    return RegistryWriteNumber(KeyPath(subkey), valueName, number);
}

int CountRegistrySubkeys(const std::string& subkey)
{
    const auto names = RegistrySubkeys(KeyPath(subkey));
    return names ? static_cast<int>(names->size()) : kRegistryKeyMissing;
}

std::string RegistrySubkeyName(const std::string& subkey, int index)
{
    const auto names = RegistrySubkeys(KeyPath(subkey));
    if (!names || index < 0 || static_cast<std::size_t>(index) >= names->size())
        return {};
    return (*names)[static_cast<std::size_t>(index)];
}

bool DeleteRegistryKey(const std::string& path, const std::string& name)
{
    if (name.empty())
        return false;
    std::string full = path;
    if (!full.empty() && full.back() != '\\')
        full += '\\';
    return RegistryDeleteKey(full + name);
}

} // namespace halvo
