// Copy worker processes that fail, hang or answer badly, and several of them
// moving replaced files to the bin at once.
#include "sync/sync_files.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/faulty_worker.h"

#include <fstream>
#include <set>

namespace {

class CopyWorkerFault : public EngineFixture, public ::testing::WithParamInterface<const char*> {};

// A worker that dies, hangs, or answers cut short, garbled or outsized
// leaves its copies to this process: every file arrives whole, both ways,
// nothing temporary is left and no worker is left running.
TEST_P(CopyWorkerFault, TheCopiesAreMadeHereInstead)
{
    for (int i = 0; i < 40; ++i)
        (i % 2 ? base : target).Write("f" + std::to_string(100 + i) + ".txt", std::string(i * 50, 'c'), t0);
    Compare(Both);
    Problems notCopied;
    {
        FaultyWorkers faulty(GetParam());
        notCopied = SyncFiles(comparison, inputs, host, 2);
        EXPECT_EQ(0, FaultyWorkersRunning());
    }
    EXPECT_TRUE(notCopied.empty()) << notCopied.size();
    EXPECT_EQ(40u, base.Names().size());
    EXPECT_EQ(40u, target.Names().size());
    EXPECT_TRUE(AllSame(Both));
}
INSTANTIATE_TEST_SUITE_P(Workers, CopyWorkerFault,
                         ::testing::Values("dies", "truncated", "garbled", "oversized", "hang"));

using CopyWorkersTest = EngineFixture;

// Workers replacing files side by side each move old versions to the bin,
// many of one name: every old version arrives there.
TEST_F(CopyWorkersTest, ReplacedFilesOfSeveralWorkersAllReachTheBin)
{
    const std::string trash = EmptiedTrash();
    if (trash.empty())
        GTEST_SKIP() << "MIRVALEN_TRASH is not set";
    std::multiset<std::string> olds;
    for (int i = 0; i < 32; ++i) {
        const std::string name = "d" + std::to_string(i) + "\\same.txt";
        target.Write(name, "old " + name, t0);
        base.Write(name, "new", later);
        olds.insert("old " + name);
    }
    Compare(Down);
    {
        WorkersFromTheStart workers;
        EXPECT_TRUE(SyncFiles(comparison, inputs, host, 4).empty());
    }
    std::multiset<std::string> inBin;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((trash + "\\files\\*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data)) {
        std::ifstream old(trash + "\\files\\" + data.cFileName, std::ios::binary);
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            inBin.insert(std::string(std::istreambuf_iterator<char>(old), {}));
    }
    FindClose(find);
    EXPECT_EQ(olds, inBin);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ("new", target.Read("d" + std::to_string(i) + "\\same.txt"));
}

} // namespace
