// The shared count of running copies: a second copy sees more than one, the
// count is never lowered while a copy runs, and it starts again at 1 once
// every copy has ended (whatever the file was left holding).
#include "SingleInstance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class InstanceCount : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = "instance_count_" + std::to_string(::getpid()) + ".test";
        Remove();
    }
    void TearDown() override { Remove(); }
    void Remove() const
    {
        std::remove(path.c_str());
        std::remove((path + ".guard").c_str());
    }
    std::string path;
};

TEST_F(InstanceCount, LaterCopiesSeeTheFirstUntilEveryCopyHasEnded)
{
    auto first = std::make_unique<client::CInstanceCount>(path);
    EXPECT_EQ(first->Increment(), 1);
    EXPECT_EQ(first->Increment(), 1) << "counting again keeps the value taken";

    auto second = std::make_unique<client::CInstanceCount>(path);
    EXPECT_EQ(second->Increment(), 2);
    auto third = std::make_unique<client::CInstanceCount>(path);
    EXPECT_EQ(third->Increment(), 3);

    // The second and third end at once; the counter is not lowered while
    // the first still runs.
    second.reset();
    third.reset();
    client::CInstanceCount fourth(path);
    EXPECT_EQ(fourth.Increment(), 4);

    first.reset();
    // fourth still runs, so a new copy is not alone.
    client::CInstanceCount fifth(path);
    EXPECT_EQ(fifth.Increment(), 5);
}

TEST_F(InstanceCount, ACountLeftByEndedCopiesStartsAgainAtOne)
{
    {
        client::CInstanceCount a(path);
        client::CInstanceCount b(path);
        ASSERT_EQ(a.Increment(), 1);
        ASSERT_EQ(b.Increment(), 2);
    }
    client::CInstanceCount again(path);
    EXPECT_EQ(again.Increment(), 1);
}

TEST_F(InstanceCount, AStaleFileWithNoHolderIsIgnored)
{
    for (std::int32_t stale : {std::int32_t{9}, std::int32_t{-4}, std::int32_t{0x7fffffff}}) {
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(&stale), sizeof stale);
        }
        client::CInstanceCount copy(path);
        EXPECT_EQ(copy.Increment(), 1) << stale;
        client::CInstanceCount next(path);
        EXPECT_EQ(next.Increment(), 2) << stale;
    }
}

TEST_F(InstanceCount, AnotherProcessSeesTheRunningCopy)
{
    client::CInstanceCount mine(path);
    ASSERT_EQ(mine.Increment(), 1);

    // The child counts itself and reports the value as its exit status.
    auto childCount = [this] {
        const pid_t pid = ::fork();
        if (pid == 0) {
            client::CInstanceCount theirs(path);
            ::_exit(theirs.Increment());
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(childCount(), 2);
    EXPECT_EQ(childCount(), 3) << "the count is not lowered when a copy ends";
}

TEST_F(InstanceCount, AnUnusableFileLetsTheCopyRun)
{
    client::CInstanceCount nowhere("no-such-directory/instances");
    EXPECT_EQ(nowhere.Increment(), 1);
}

} // namespace
