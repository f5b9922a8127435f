#pragma once

#include "platform/store/record_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace halvo::testing {

// Each test gets its own folder and database, removed afterwards.
class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/halvo-store-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        database_ = folder_ / "test.db";
        const DatabaseOpenResult opened = OpenDatabase(database_);
        ASSERT_TRUE(opened.ok) << opened.note;
        ASSERT_EQ(opened.note, "");
    }

    void TearDown() override
    {
        CloseDatabase();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path folder_;
    std::filesystem::path database_;
};

} // namespace halvo::testing
