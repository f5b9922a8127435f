#include "platform/store/database.h"
#include "platform/store/record_store.h"
#include "tests/support/store_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <random>

namespace halvo
{
namespace
{

using testing::StoreTest;

constexpr std::uint16_t kName = 101;
constexpr std::uint16_t kCountry = 102;
constexpr std::uint16_t kNumber = 105;

Record Named(const std::string& name, const std::string& country = "X")
{
    return {{kName, name}, {kCountry, country}};
}

std::vector<std::string> TraverseTexts(RecordStore& store, std::uint16_t id)
{
    std::vector<std::string> texts;
    EXPECT_TRUE(store.SeekToPosition(0) || store.Count() == 0);
    while (auto record = store.ReadCurrent())
        texts.push_back(TextProperty(*record, id));
    return texts;
}

StoreIdentity MakeStore(const std::string& name, std::vector<SortOrder> orders,
                        std::uint32_t tag = 12346)
{
    const StoreIdentity identity = RecordStore::Create(name, tag, orders);
    EXPECT_NE(identity, 0u);
    return identity;
}

TEST_F(StoreTest, CaseInsensitiveOrderFoldsCaseBeyondAscii)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    // Inserted out of order; "äpfel" and "ÄPFEL" are equal, so insertion
    // decides between them. Accents weigh less than letters: "Ångström"
    // comes before "apple".
    for (const char* name :
         {"zebra", "ÄPFEL", "Banana", "apple", "äpfel", "Ωmega", "ωa", "ИВАН", "Ångström"})
        ASSERT_TRUE(store.Append(Named(name)));
    EXPECT_EQ(TraverseTexts(store, kName),
              (std::vector<std::string>{"Ångström", "ÄPFEL", "äpfel", "apple", "Banana", "zebra",
                                        "ωa", "Ωmega", "ИВАН"}));
}

TEST_F(StoreTest, CaseInsensitiveSeekFindsEveryCasing)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    for (const char* name : {"Seattle, WA", "Zürich", "Äänekoski", "İzmir", "Москва", "apfel"})
        ASSERT_TRUE(store.Append(Named(name)));
    struct Case
    {
        const char* asked;
        const char* found; // nullptr: no record may match
    };
    const Case cases[] = {
        {"seattle, wa", "Seattle, WA"},
        {"ZÜRICH", "Zürich"},
        {"zürich", "Zürich"},
        {"ääNEKOSKI", "Äänekoski"},
        {"МОСКВА", "Москва"},
        {"Zurich", nullptr},
        {"äpfel", nullptr},
        {"Seattle", nullptr},
        {"Seattle, WA ", nullptr},
    };
    for (const Case& c : cases)
    {
        const int position = store.SeekFirstEqual(kName, std::string(c.asked));
        if (c.found == nullptr)
        {
            EXPECT_EQ(position, -1) << c.asked;
            continue;
        }
        ASSERT_GE(position, 0) << c.asked;
        EXPECT_EQ(store.CurrentPosition(), position);
        const auto record = store.ReadCurrent();
        ASSERT_TRUE(record);
        EXPECT_EQ(TextProperty(*record, kName), c.found) << c.asked;
    }
}

TEST_F(StoreTest, DecomposedAccentsSeekTheComposedName)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    ASSERT_TRUE(store.Append(Named("Zürich")));
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("Zu\xCC\x88rich")), 0);
}

TEST_F(StoreTest, TextWithoutFlagComparesCaseSensitively)
{
    MakeStore("s", {{kName, 0}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    ASSERT_TRUE(store.Append(Named("Apple")));
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("apple")), -1);
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("Apple")), 0);
}

TEST_F(StoreTest, SecondSortOrderBreaksTiesThenInsertion)
{
    MakeStore("Cities List", {{kName, kSortCaseInsensitive}, {kCountry, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("Cities List"));
    const std::pair<const char*, const char*> rows[] = {
        {"Paris", "USA"},    {"london", "UK"},     {"Paris", "France"},
        {"PARIS", "france"}, {"London", "Canada"},
    };
    for (const auto& [name, country] : rows)
        ASSERT_TRUE(store.Append(Named(name, country)));
    std::vector<std::string> seen;
    store.SeekToPosition(0);
    while (auto record = store.ReadCurrent())
        seen.push_back(TextProperty(*record, kName) + "/" + TextProperty(*record, kCountry));
    EXPECT_EQ(seen, (std::vector<std::string>{"London/Canada", "london/UK", "Paris/France",
                                              "PARIS/france", "Paris/USA"}));
    // A seek on the second sort order finds the first in traversal order.
    EXPECT_EQ(store.SeekFirstEqual(kCountry, std::string("FRANCE")), 2);
    // A seek on a property under no sort order compares exactly.
    ASSERT_TRUE(store.Append({{kName, "Zagreb"}, {kCountry, "HR"}, {kNumber, std::int32_t{7}}}));
    EXPECT_EQ(store.SeekFirstEqual(kNumber, std::int32_t{7}), 5);
    EXPECT_EQ(store.SeekFirstEqual(kNumber, std::int32_t{8}), -1);
}

// Reading a record by its value without its position finds the very record
// a seek finds, on either sort order or none, and leaves the cursor alone.
TEST_F(StoreTest, ReadFirstEqualFindsTheSeeksRecordWithoutMovingTheCursor)
{
    MakeStore("Cities List", {{kName, kSortCaseInsensitive}, {kCountry, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("Cities List"));
    const std::pair<const char*, const char*> rows[] = {
        {"Paris", "USA"}, {"london", "UK"}, {"Paris", "France"}, {"PARIS", "france"}};
    for (const auto& [name, country] : rows)
        ASSERT_TRUE(store.Append(Named(name, country)));
    ASSERT_TRUE(store.Append({{kName, "Zagreb"}, {kCountry, "HR"}, {kNumber, std::int32_t{7}}}));
    struct Case
    {
        std::uint16_t property;
        PropertyValue value;
        const char* found; // name/country; nullptr: none
    };
    const Case cases[] = {
        {kName, std::string("paris"), "Paris/France"},
        {kName, std::string("LONDON"), "london/UK"},
        {kCountry, std::string("FRANCE"), "Paris/France"},
        {kCountry, std::string("uk"), "london/UK"},
        {kNumber, std::int32_t{7}, "Zagreb/HR"},
        {kName, std::string("Pari"), nullptr},
        {kNumber, std::int32_t{8}, nullptr},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(store.SeekToPosition(1));
        const auto record = store.ReadFirstEqual(c.property, c.value);
        EXPECT_EQ(store.CurrentPosition(), 1);
        const int position = store.SeekFirstEqual(c.property, c.value);
        if (c.found == nullptr)
        {
            EXPECT_FALSE(record);
            EXPECT_EQ(position, -1);
            continue;
        }
        ASSERT_TRUE(record) << c.found;
        EXPECT_EQ(TextProperty(*record, kName) + "/" + TextProperty(*record, kCountry), c.found);
        const auto sought = store.ReadCurrent();
        ASSERT_TRUE(sought);
        ASSERT_EQ(sought->size(), record->size()) << c.found;
        for (std::size_t i = 0; i < record->size(); ++i)
        {
            EXPECT_EQ((*sought)[i].id, (*record)[i].id) << c.found;
            EXPECT_TRUE((*sought)[i].value == (*record)[i].value) << c.found;
        }
    }
}

TEST_F(StoreTest, NumbersSortBySignedValue)
{
    MakeStore("Timezones List", {{301, kSortCaseInsensitive}}, 12348);
    RecordStore store;
    ASSERT_TRUE(store.Open("Timezones List"));
    for (std::int32_t id : {35, -2, 0, 2147483647, -2147483647 - 1, 260, 1})
        ASSERT_TRUE(store.Append({{301, id}, {302, std::to_string(id)}}));
    EXPECT_EQ(TraverseTexts(store, 302),
              (std::vector<std::string>{"-2147483648", "-2", "0", "1", "35", "260", "2147483647"}));
    EXPECT_EQ(store.SeekFirstEqual(301, std::int32_t{260}), 5);
    // The same number held as an unsigned 16-bit value is the same key.
    EXPECT_EQ(store.SeekFirstEqual(301, std::uint16_t{35}), 4);
    EXPECT_EQ(store.SeekFirstEqual(301, std::string("35")), -1);
}

TEST_F(StoreTest, TypedValuesRoundTripExactly)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    const Record written = {
        {kName, std::string("")},      {2, std::string(1023, 'x')},
        {3, std::string("a\0b", 3)},   {4, std::int32_t{-2147483647 - 1}},
        {5, std::int32_t{2147483647}}, {6, std::uint16_t{65535}},
        {65535, std::uint16_t{0}},     {7, std::string("مكة المكرمة")},
    };
    ASSERT_TRUE(store.Append(written));
    const auto read = store.ReadCurrent();
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
    {
        EXPECT_EQ((*read)[i].id, written[i].id);
        EXPECT_EQ((*read)[i].value, written[i].value) << "property " << written[i].id;
    }
}

TEST_F(StoreTest, RecordWithRepeatedIdIsRefused)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    const Record twice = {{kName, "a"}, {kCountry, "b"}, {kName, "c"}};
    EXPECT_FALSE(store.Append(twice));
    EXPECT_EQ(store.Count(), 0);
    ASSERT_TRUE(store.Append(Named("a")));
    ASSERT_EQ(store.SeekToPosition(0), true);
    EXPECT_FALSE(store.WriteCurrent(twice));
    store.SeekToPosition(0);
    EXPECT_EQ(TextProperty(*store.ReadCurrent(), kCountry), "X");
}

TEST_F(StoreTest, StoresKeepNameTypeTagAndIdentity)
{
    const StoreIdentity settings = MakeStore("Settings", {{301, kSortCaseInsensitive}}, 0x3052);
    const StoreIdentity cities = MakeStore("Cities List", {{101, 2}, {102, 2}}, 0x303A);
    EXPECT_NE(settings, cities);
    EXPECT_TRUE(RecordStore::Exists("Settings"));
    EXPECT_FALSE(RecordStore::Exists("Twilight Methods"));
    EXPECT_EQ(RecordStore::Create("Settings", 1, {}), 0u) << "a second store of one name";
    EXPECT_EQ(RecordStore::Create("", 1, {}), 0u);
    EXPECT_EQ(RecordStore::Create("five orders", 1, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}), 0u);

    RecordStore store;
    ASSERT_TRUE(store.Open(cities));
    EXPECT_EQ(store.TypeTag(), 0x303Au);
    EXPECT_EQ(store.Identity(), cities);
    ASSERT_EQ(store.SortOrders().size(), 2u);
    EXPECT_EQ(store.SortOrders()[1].propertyId, 102);
    ASSERT_TRUE(store.Open("Settings"));
    EXPECT_EQ(store.TypeTag(), 0x3052u);
    EXPECT_EQ(store.Identity(), settings);
    EXPECT_FALSE(store.Open("Nothing"));
    EXPECT_FALSE(store.IsOpen());
    EXPECT_FALSE(store.Open(StoreIdentity{9999}));
    EXPECT_FALSE(store.Append(Named("a"))) << "append to a store that is not open";
}

TEST_F(StoreTest, RecordsOfOneStoreStayOutOfAnother)
{
    MakeStore("a", {{kName, kSortCaseInsensitive}});
    MakeStore("b", {{kName, kSortCaseInsensitive}});
    RecordStore a;
    RecordStore b;
    ASSERT_TRUE(a.Open("a"));
    ASSERT_TRUE(b.Open("b"));
    ASSERT_TRUE(a.Append(Named("one")));
    RecordIdentity identity = 0;
    ASSERT_TRUE(a.ReadCurrent(&identity));
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(b.SeekFirstEqual(kName, std::string("one")), -1);
    EXPECT_FALSE(b.Delete(identity));
    EXPECT_EQ(a.Count(), 1);
}

TEST_F(StoreTest, WriteCurrentReplacesTheRecordJustRead)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    for (const char* name : {"a", "b", "c"})
        ASSERT_TRUE(store.Append(Named(name)));
    const int position = store.SeekFirstEqual(kName, std::string("B"));
    ASSERT_EQ(position, 1);
    RecordIdentity before = 0;
    auto record = store.ReadCurrent(&before);
    ASSERT_TRUE(record);
    ASSERT_TRUE(store.WriteCurrent(Named("b", "changed")));
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.IdentityAt(1), before);
    EXPECT_EQ(TraverseTexts(store, kCountry), (std::vector<std::string>{"X", "changed", "X"}));

    // After a seek without a read, the record the cursor stands on.
    ASSERT_TRUE(store.SeekToPosition(2));
    ASSERT_TRUE(store.WriteCurrent(Named("c", "also")));
    EXPECT_EQ(TraverseTexts(store, kCountry), (std::vector<std::string>{"X", "changed", "also"}));
    EXPECT_FALSE(store.SeekToPosition(3));
    EXPECT_FALSE(store.SeekToPosition(-1));
}

// Runs random appends, deletes and rewrites against a plain sorted model and
// checks after each that traversal, positions, seeks and identities agree.
TEST_F(StoreTest, PositionsStayRightAfterAppendsAndDeletes)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    struct Entry
    {
        std::string name;
        int serial;
    };
    std::vector<Entry> model; // in traversal order
    std::mt19937 random(12345);
    const char* names[] = {"delta", "Alpha", "charlie", "bravo",
                           "ECHO",  "alpha", "Foxtrot", "golf"};
    auto folded = [](std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    int serial = 0;
    for (int step = 0; step < 400; ++step)
    {
        const unsigned action = random() % 3;
        if (action != 0 || model.empty())
        {
            const std::string name = names[random() % 8];
            ASSERT_TRUE(store.Append({{kName, name}, {2, std::int32_t{serial}}}));
            auto at = std::upper_bound(model.begin(), model.end(), folded(name),
                                       [&](const std::string& key, const Entry& e)
                                       { return key < folded(e.name); });
            model.insert(at, {name, serial++});
        }
        else
        {
            const auto position = static_cast<int>(random() % model.size());
            const RecordIdentity identity = store.IdentityAt(position);
            ASSERT_NE(identity, 0u);
            ASSERT_TRUE(store.Delete(identity));
            EXPECT_FALSE(store.Delete(identity)) << "deleted twice";
            model.erase(model.begin() + position);
        }
        ASSERT_EQ(store.Count(), static_cast<int>(model.size()));
        if (step % 20 != 0)
            continue;
        store.SeekToPosition(0);
        for (std::size_t i = 0; i < model.size(); ++i)
        {
            const auto record = store.ReadCurrent();
            ASSERT_TRUE(record);
            ASSERT_EQ(IntProperty(*record, 2), model[i].serial)
                << "position " << i << " at step " << step;
        }
        EXPECT_FALSE(store.ReadCurrent());
        EXPECT_EQ(store.CurrentPosition(), -1);
        for (const char* name : names)
        {
            const auto first =
                std::find_if(model.begin(), model.end(),
                             [&](const Entry& e) { return folded(e.name) == folded(name); });
            const int expected =
                first == model.end() ? -1 : static_cast<int>(first - model.begin());
            EXPECT_EQ(store.SeekFirstEqual(kName, std::string(name)), expected) << name;
        }
    }
}

// A traversal spans several fetched pages; a write between two reads must
// neither skip nor repeat a record.
TEST_F(StoreTest, TraversalAcrossPagesSurvivesWritesBetweenReads)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    {
        StoreTransaction transaction;
        for (int i = 0; i < 1500; ++i)
        {
            char name[16];
            std::snprintf(name, sizeof name, "n%05d", i);
            ASSERT_TRUE(store.Append(Named(name)));
        }
        ASSERT_TRUE(transaction.Commit());
    }
    store.SeekToPosition(0);
    int expected = 0;
    while (auto record = store.ReadCurrent())
    {
        char name[16];
        std::snprintf(name, sizeof name, "n%05d", expected);
        ASSERT_EQ(TextProperty(*record, kName), name);
        if (expected % 300 == 7)
        {
            ASSERT_TRUE(store.WriteCurrent(Named(name, "seen")));
        }
        ++expected;
    }
    EXPECT_EQ(expected, 1500);
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("N01207")), 1207);
    EXPECT_EQ(TextProperty(*store.ReadCurrent(), kCountry), "seen");
}

TEST_F(StoreTest, TransactionCommitsAllOrNothing)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    ASSERT_TRUE(store.Append(Named("z")));
    // Positions known before the transaction must not keep its records.
    ASSERT_EQ(store.SeekFirstEqual(kName, std::string("z")), 0);
    {
        StoreTransaction transaction;
        ASSERT_TRUE(store.Append(Named("dropped")));
        EXPECT_EQ(store.SeekFirstEqual(kName, std::string("z")), 1);
    }
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("z")), 0);
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("dropped")), -1);
    ASSERT_TRUE(store.Delete(store.IdentityAt(0)));
    EXPECT_EQ(store.Count(), 0) << "a transaction never committed";
    {
        StoreTransaction outer;
        ASSERT_TRUE(store.Append(Named("kept")));
        {
            StoreTransaction inner;
            ASSERT_TRUE(store.Append(Named("inner")));
            EXPECT_TRUE(inner.Commit());
        }
        EXPECT_TRUE(outer.Commit());
    }
    EXPECT_EQ(store.Count(), 2);
    {
        StoreTransaction outer;
        ASSERT_TRUE(store.Append(Named("lost")));
        {
            StoreTransaction inner; // dropped: the whole unit of work fails
            ASSERT_TRUE(store.Append(Named("lost too")));
        }
        EXPECT_FALSE(outer.Commit());
    }
    EXPECT_EQ(store.Count(), 2);
}

TEST_F(StoreTest, RecordsPersistAcrossReopening)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}}, 77);
    {
        RecordStore store;
        ASSERT_TRUE(store.Open("s"));
        ASSERT_TRUE(store.Append(Named("kept", "Å")));
    }
    CloseDatabase();
    ASSERT_TRUE(OpenDatabase(database_).ok);
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    EXPECT_EQ(store.TypeTag(), 77u);
    ASSERT_EQ(store.SeekFirstEqual(kName, std::string("KEPT")), 0);
    EXPECT_EQ(TextProperty(*store.ReadCurrent(), kCountry), "Å");
}

TEST_F(StoreTest, NoOpenDatabaseFailsEveryOperationQuietly)
{
    CloseDatabase();
    EXPECT_FALSE(RecordStore::Exists("s"));
    EXPECT_EQ(RecordStore::Create("s", 1, {}), 0u);
    RecordStore store;
    EXPECT_FALSE(store.Open("s"));
    EXPECT_EQ(store.Count(), 0);
    EXPECT_FALSE(store.ReadCurrent());
    StoreTransaction transaction;
    EXPECT_FALSE(transaction.Commit());
}

} // namespace
} // namespace halvo

namespace halvo
{
namespace
{

// Positions come from a traversal order this process keeps; a record
// another process adds must still move them.
TEST_F(StoreTest, PositionsFollowWritesOfAnotherProcess)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}});
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    for (const char* name : {"b", "c", "d"})
        ASSERT_TRUE(store.Append(Named(name)));
    ASSERT_EQ(store.SeekFirstEqual(kName, std::string("c")), 1);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        CloseDatabase();
        bool ok = OpenDatabase(database_).ok;
        RecordStore other;
        ok = ok && other.Open("s") && other.Append(Named("a"));
        CloseDatabase();
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("c")), 2);
    EXPECT_EQ(store.Count(), 4);
    ASSERT_TRUE(store.SeekToPosition(0));
    EXPECT_EQ(TextProperty(*store.ReadCurrent(), kName), "a");
}

// Stored keys made by another collation version (an ICU upgrade) are made
// again on opening; otherwise seeks would miss and the order would be wrong.
TEST_F(StoreTest, SortKeysAreRebuiltWhenTheCollationChanges)
{
    MakeStore("s", {{kName, kSortCaseInsensitive}, {kCountry, kSortCaseInsensitive}});
    {
        RecordStore store;
        ASSERT_TRUE(store.Open("s"));
        for (const char* name : {"Zürich", "apple", "Äpfel"})
            ASSERT_TRUE(store.Append(Named(name, name)));
    }
    ASSERT_TRUE(store_internal::Execute(
        "UPDATE meta SET value = 'an older collation' WHERE name = 'sort_keys';"
        "UPDATE records SET key1 = x'02ff', key2 = x'';"));
    CloseDatabase();
    ASSERT_TRUE(OpenDatabase(database_).ok);
    RecordStore store;
    ASSERT_TRUE(store.Open("s"));
    EXPECT_EQ(TraverseTexts(store, kName), (std::vector<std::string>{"Äpfel", "apple", "Zürich"}));
    EXPECT_EQ(store.SeekFirstEqual(kName, std::string("ZÜRICH")), 2);
    EXPECT_EQ(store.SeekFirstEqual(kCountry, std::string("äPFEL")), 0);
}

} // namespace
} // namespace halvo
