#include "platform/store/registry_store.h"

#include "platform/store/database.h"
#include "platform/store/record_store.h"

namespace halvo
{

using namespace store_internal;

namespace
{

// "A\\B\\" and "A\\B" name the same key.
std::string Normalised(const std::string& path)
{
    std::string result = path;
    while (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

// LIKE would treat '%' and '_' in key names as wildcards; comparing the
// leading characters keeps sub-key lookups exact.
constexpr const char* kChildrenSql =
    "SELECT path FROM registry_keys WHERE substr(path, 1, length(?1) + 1) = ?1 || '\\' "
    "COLLATE NOCASE AND instr(substr(path, length(?1) + 2), '\\') = 0 ORDER BY path";

} // namespace

bool RegistryKeyExists(const std::string& path)
{
    Statement query("SELECT 1 FROM registry_keys WHERE path = ?1");
    query.Bind(1, Normalised(path));
    return query.Step() == SQLITE_ROW;
}

bool RegistryCreateKey(const std::string& path)
{
    const std::string key = Normalised(path);
    if (key.empty())
        return false;
    StoreTransaction transaction;
    if (!transaction.Active())
        return false;
    for (std::size_t end = 0; end != std::string::npos;)
    {
        end = key.find('\\', end + 1);
        Statement insert("INSERT OR IGNORE INTO registry_keys(path) VALUES(?1)");
        insert.Bind(1, key.substr(0, end));
        if (!insert.Run())
            return false;
    }
    NoteWrite();
    return transaction.Commit();
}

std::optional<std::uint32_t> RegistryReadNumber(const std::string& path,
                                                const std::string& valueName)
{
    Statement query(
        "SELECT data FROM registry_values WHERE key_path = ?1 AND name = ?2 AND type = ?3");
    query.Bind(1, Normalised(path)).Bind(2, valueName).Bind(3, kRegistryNumberType);
    if (query.Step() != SQLITE_ROW)
        return std::nullopt;
    return static_cast<std::uint32_t>(query.Int(0));
}

bool RegistryWriteNumber(const std::string& path, const std::string& valueName,
                         std::uint32_t number)
{
    StoreTransaction transaction;
    if (!transaction.Active() || !RegistryCreateKey(path))
        return false;
    Statement upsert("INSERT OR REPLACE INTO registry_values(key_path, name, type, data) "
                     "VALUES(?1, ?2, ?3, ?4)");
    upsert.Bind(1, Normalised(path))
        .Bind(2, valueName)
        .Bind(3, kRegistryNumberType)
        .Bind(4, number);
    if (!upsert.Run())
        return false;
    NoteWrite();
    return transaction.Commit();
}

std::optional<std::vector<std::string>> RegistrySubkeys(const std::string& path)
{
    const std::string key = Normalised(path);
    if (!RegistryKeyExists(key))
        return std::nullopt;
    std::vector<std::string> names;
    Statement query(kChildrenSql);
    query.Bind(1, key);
    while (query.Step() == SQLITE_ROW)
        names.push_back(query.Text(0).substr(key.size() + 1));
    return names;
}

bool RegistryDeleteKey(const std::string& path)
{
    const std::string key = Normalised(path);
    if (key.empty())
        return false;
    StoreTransaction transaction;
    if (!transaction.Active() || !RegistryKeyExists(key))
        return false;
    Statement keys("DELETE FROM registry_keys WHERE path = ?1 OR "
                   "substr(path, 1, length(?1) + 1) = ?1 || '\\' COLLATE NOCASE");
    keys.Bind(1, key);
    Statement values("DELETE FROM registry_values WHERE key_path = ?1 OR "
                     "substr(key_path, 1, length(?1) + 1) = ?1 || '\\' COLLATE NOCASE");
    values.Bind(1, key);
    if (!keys.Run() || !values.Run())
        return false;
    NoteWrite();
    return transaction.Commit();
}

} // namespace halvo
