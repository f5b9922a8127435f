#pragma once

// The registry values of the program, all under the key Software\Halvo\.

#include <cstdint>
#include <string>

namespace halvo
{

inline constexpr char kRegistryRoot[] = "Software\\Halvo\\";
inline constexpr char kFeastSubkey[] = "Feast";
inline constexpr char kFeastValue[] = "Feast";
inline constexpr char kNumDaysValue[] = "NumDays";
// What CountRegistrySubkeys gives for a key that cannot be opened.
inline constexpr int kRegistryKeyMissing = 1024;

// Reads the 32-bit number of Software\Halvo\<subkey> / valueName into out;
// out is left as it was when the key or value does not exist.
void ReadRegistryNumber(const std::string& subkey, const std::string& valueName,
                        std::uint32_t& out);
// Creates the key as needed and stores the number; true once it is stored.
bool WriteRegistryNumber(const std::string& subkey, const std::string& valueName,
                         std::uint32_t number);

// Number of sub-keys of Software\Halvo\<subkey>, or kRegistryKeyMissing.
int CountRegistrySubkeys(const std::string& subkey);
// Name of sub-key number index (0-based, in name order), "" when none.
std::string RegistrySubkeyName(const std::string& subkey, int index);
// Deletes the sub-key name of the full key path (not prefixed), with all
// its values and sub-keys; true on success.
bool DeleteRegistryKey(const std::string& path, const std::string& name);

} // namespace halvo
