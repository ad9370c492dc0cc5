// Replaced files go to the Recycle Bin. Under Wine the bin is the desktop's
// trash, $XDG_DATA_HOME/Trash, which ctest points into the build tree; the
// test reads it through MIRVALEN_TRASH (its Z: path).
#include "sync/sync_files.h"
#include "tests/engine/engine_fixture.h"

#include <algorithm>

namespace {

std::string InTrash(const std::string& trashFolder, const std::string& name)
{
    HANDLE file = CreateFileA((trashFolder + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    char buffer[256];
    DWORD got = 0;
    ReadFile(file, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(file);
    return std::string(buffer, got);
}

class RecycleTest : public EngineFixture {};

TEST_F(RecycleTest, ReplacedFilesLeaveTheirOldVersionsInTheBinUnlessTurnedOffOrTooDeep)
{
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("MIRVALEN_TRASH", folder, MAX_PATH))
        GTEST_SKIP() << "MIRVALEN_TRASH is not set";
    std::string trash = folder;
    std::replace(trash.begin(), trash.end(), '/', '\\');
    // Names in the trash must not collide with earlier runs': empty its two
    // folders, keeping them (Wine sets them up once per process).
    for (const char* sub : {"\\files\\", "\\info\\"}) {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((trash + sub + "*").c_str(), &data);
        for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data))
            DeleteFileA((trash + sub + data.cFileName).c_str());
        FindClose(find);
    }
    trash += "\\files\\";

    // The shell cannot take a path past MAX_PATH: such a file is replaced as
    // without a bin, and named in the notice (copied, not failed).
    const std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\long.txt";
    for (const std::string& name : {std::string("keep.txt"), std::string("gone.txt"), deep}) {
        base.Write(name, "new", later);
        target.Write(name, "old " + name.substr(name.size() - 8), t0);
    }
    inputs.exclude = "gone.txt";
    Compare(Down);
    Problems noBin;
    EXPECT_TRUE(SyncFiles(comparison, inputs, host, 0, &noBin).empty());
    inputs.exclude = "keep.txt";
    inputs.recycle = 0;
    Compare(Down);
    EXPECT_TRUE(SyncFiles(comparison, inputs, host, 0, nullptr).empty());

    for (const std::string& name : {std::string("keep.txt"), std::string("gone.txt"), deep})
        EXPECT_EQ("new", target.Read(name)) << name;
    EXPECT_EQ("old keep.txt", InTrash(trash, "keep.txt"));
    EXPECT_EQ("<missing>", InTrash(trash, "gone.txt"));
    EXPECT_EQ("<missing>", InTrash(trash, "long.txt"));
    ASSERT_EQ(1u, noBin.size());
    EXPECT_EQ(target.Path(deep), noBin[0].path);
}

} // namespace
