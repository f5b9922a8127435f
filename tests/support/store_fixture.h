#pragma once

// A fresh database in a temporary folder for each test, and a message sink
// that records what the user would have been shown.

#include "platform/store/record_store.h"
#include "platform/user_messages.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace halvo::testing
{

class RecordingMessages : public UserMessages
{
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    void Warn(const std::string& text) override { warnings.push_back(text); }
    void Notify(const std::string& text) override { notices.push_back(text); }
    std::vector<std::string> shown;
    std::vector<std::string> warnings;
    std::vector<std::string> notices;
};

// A folder of its own for the running test, emptied first.
inline std::filesystem::path FreshFolder(const std::string& prefix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (prefix + "_" + info->test_suite_name() + "_" +
                                                  info->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// Each test gets its own folder and database, removed afterwards.
class StoreTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        folder_ = FreshFolder("halvo_store");
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
    RecordingMessages messages_;
};

} // namespace halvo::testing
