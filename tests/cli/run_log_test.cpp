// The run log on a disk that fills during the run.
#include "tests/cli/cli_fixture.h"

namespace {

// Writes to a new file until the disk takes no more.
void FillDisk(const std::string& path)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
    const std::string block(4096, 'f');
    DWORD wrote = 0;
    while (WriteFile(file.get(), block.data(), static_cast<DWORD>(block.size()), &wrote, nullptr)
           && wrote == block.size())
        continue;
}

// A log that cannot be written to its end: the run goes on to its last copy,
// the log keeps its beginning, and the tool names the log as a problem and
// ends with exit code 6.
TEST_F(Cli, ALogThatCannotBeWrittenMidRunIsNamedAndEndsWithExitCodeSix)
{
    std::string folder = SmallDisk();
    if (folder.empty())
        GTEST_SKIP() << "no small file system to fill";
    TempTree disk(folder);
    for (int i = 0; i < 60; ++i)
        base.Write("a-file-that-finds-no-room-" + std::to_string(i) + ".txt", "x", t0);
    // The log has its first block of the disk, then nothing more fits: every
    // copy fails, and the log takes their problem lines until its block is full.
    disk.Write("run.log", "\n");
    disk.MakeDir("target");
    FillDisk(disk.Path("filler"));

    CliRun run = Run("sync --down BASE " + Quoted(disk.Path("target\\")) + " --log " + Quoted(disk.Path("run.log")));
    EXPECT_EQ(6u, run.exitCode) << run.err;
    EXPECT_TRUE(Has(run.err, disk.Path("run.log") + "\t")) << run.err;
    EXPECT_TRUE(Has(run.err, disk.Path("target\\a-file-that-finds-no-room-59.txt\t")));
    const std::string log = disk.Read("run.log");
    EXPECT_EQ(0u, log.find("\n== 2")); // the run's start
    EXPECT_FALSE(Has(log, "exit "));
}

} // namespace
