#pragma once

// A small registry kept in the same database as the record stores: keys
// named by backslash-separated paths ("Software\Halvo\Feast"), compared
// without regard to ASCII case, each holding named 32-bit numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace halvo
{

inline constexpr std::uint32_t kRegistryNumberType = 4; // a 4-byte number

// Creates the key and any missing parent keys; true when it exists after.
bool RegistryCreateKey(const std::string& path);
bool RegistryKeyExists(const std::string& path);
// The number stored under the value name, if the key holds such a number.
std::optional<std::uint32_t> RegistryReadNumber(const std::string& path,
                                                const std::string& valueName);
// Creates the key as needed and stores the number; true once it is durable.
bool RegistryWriteNumber(const std::string& path, const std::string& valueName,
                         std::uint32_t number);
// The names of the key's direct sub-keys in name order; nothing when the key
// does not exist.
std::optional<std::vector<std::string>> RegistrySubkeys(const std::string& path);
// Deletes the key with its values and all keys below it; false when it does
// not exist.
bool RegistryDeleteKey(const std::string& path);

} // namespace halvo
