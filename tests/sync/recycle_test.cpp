// Replaced files go to the Recycle Bin. Under Wine the bin is the desktop's
// trash, $XDG_DATA_HOME/Trash, which ctest points into the build tree; the
// test reads it through MIRVALEN_TRASH (its Z: path).
#include "sync/sync_files.h"
#include "tests/engine/engine_fixture.h"

#include <windows.h>

namespace {

std::string TrashFolder()
{
    char folder[MAX_PATH] = "";
    GetEnvironmentVariableA("MIRVALEN_TRASH", folder, MAX_PATH);
    std::string path = folder;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path.empty() ? path : path + "\\";
}

// Empties one folder of the trash, keeping the folder: Wine's trash sets its
// folders up once per process and expects them to stay.
void EmptyFolder(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + data.cFileName).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::string ReadWhole(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    char buffer[256];
    DWORD got = 0;
    ReadFile(file, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(file);
    return std::string(buffer, got);
}

class RecycleTest : public EngineFixture {
protected:
    void SetUp() override
    {
        std::string folder = TrashFolder();
        if (folder.empty())
            GTEST_SKIP() << "MIRVALEN_TRASH is not set";
        trash = folder + "files\\";
        // Names in the trash must not collide with earlier runs'.
        EmptyFolder(trash);
        EmptyFolder(folder + "info\\");
    }
    // Three older target files, each replaced by a newer base file.
    void ReplaceThree(const std::string& prefix)
    {
        for (char n = '1'; n <= '3'; ++n) {
            std::string name = prefix + n + ".txt";
            base.Write(name, std::string("new ") + n, LocalFileTime(2011, 1, 1, 0, 0, 0));
            target.Write(name, std::string("old ") + n, t0);
        }
        Compare(Down);
        notCopied = SyncFiles(comparison, inputs, host, 0, &noBin);
    }
    std::string trash;
    Problems notCopied, noBin;
};

TEST_F(RecycleTest, ReplacedFilesLeaveTheirOldVersionsInTheBin)
{
    ReplaceThree("keep");
    EXPECT_TRUE(notCopied.empty());
    EXPECT_TRUE(noBin.empty());
    for (char n = '1'; n <= '3'; ++n) {
        std::string name = std::string("keep") + n + ".txt";
        EXPECT_EQ(std::string("new ") + n, target.Read(name)) << name;
        EXPECT_EQ(std::string("old ") + n, ReadWhole(trash + name)) << name;
    }
}

TEST_F(RecycleTest, TurnedOffNothingGoesToTheBin)
{
    inputs.recycle = 0;
    ReplaceThree("gone");
    EXPECT_TRUE(notCopied.empty());
    EXPECT_TRUE(noBin.empty());
    for (char n = '1'; n <= '3'; ++n) {
        std::string name = std::string("gone") + n + ".txt";
        EXPECT_EQ(std::string("new ") + n, target.Read(name));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((trash + name).c_str())) << name;
    }
}

// The shell cannot take a path past MAX_PATH: such a file is replaced as
// without a bin, and named in the notice (copied, not failed).
TEST_F(RecycleTest, APathTheBinCannotTakeIsReplacedAndNamed)
{
    std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\long.txt";
    base.Write(deep, "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write(deep, "old", t0);
    Compare(Down);
    notCopied = SyncFiles(comparison, inputs, host, 0, &noBin);
    EXPECT_TRUE(notCopied.empty());
    EXPECT_EQ("new", target.Read(deep));
    ASSERT_EQ(1u, noBin.size());
    EXPECT_EQ(target.Path(deep), noBin[0].path);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((trash + "long.txt").c_str()));
}

} // namespace
