// Runs mirvalen-cli.exe as a child process, as a script would.
#include "engine/stored_name.h"
#include "favorites/favorites_file.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct CliRun {
    DWORD exitCode = 0;
    std::string out, err;
};

std::string CliPath()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path.erase(path.find_last_of('\\'));          // tests\cli
    path.erase(path.find_last_of('\\'));          // tests
    path.erase(path.find_last_of('\\') + 1);      // build folder
    return path + "cli\\mirvalen-cli.exe";
}

std::string ReadAll(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

CliRun RunCli(const std::string& arguments)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string command = "\"";
    command += CliPath();
    command += "\" ";
    command += arguments;
    CliRun run;
    EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process));
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    run.out = ReadAll(outRead); // the outputs are small: stdout first, then stderr
    run.err = ReadAll(errRead);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

// A "\" right before the closing quote would escape it: double it, as the
// command-line rules of the C runtime ask.
std::string Quoted(const std::string& folder)
{
    std::string text = folder;
    if (!text.empty() && text.back() == '\\')
        text += '\\';
    return "\"" + text + "\"";
}

TEST(Cli, ListPrintsTabSeparatedRowsAndTheThreePanelsInEitherCodePage)
{
    TempTree base, target;
    base.Write("表.txt", "12345", LocalFileTime(2010, 3, 5, 14, 7, 9));
    target.Write("b.txt", "b", LocalFileTime(2010, 3, 5, 14, 7, 9));
    const std::string folders = Quoted(base.Root()) + " " + Quoted(target.Root());
    CliRun run = RunCli("list " + folders);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    // Byte order: "b" (62) before 表 (95 5C).
    EXPECT_NE(std::string::npos, run.out.find("1\t↑\t×\t\t2010/03/05 14:07:09\t\t1\tb.txt"));
    EXPECT_NE(std::string::npos, run.out.find("2\t↓\t×\t2010/03/05 14:07:09\t\t5\t\t表.txt"));
    for (const char* panel : {"[転送]\tOK", "[基本フォルダ]\tOK", "[対象フォルダ]\tOK"})
        EXPECT_NE(std::string::npos, run.out.find(panel)) << panel;

    CliRun up = RunCli("list --utf8 --up " + folders);
    EXPECT_EQ(0u, up.exitCode);
    EXPECT_EQ(std::string::npos, up.out.find("\xe8\xa1\xa8.txt")); // Up lists the target table
    EXPECT_NE(std::string::npos, up.out.find("[\xe8\xbb\xa2\xe9\x80\x81]\tOK")); // [転送] in UTF-8
    CliRun down = RunCli("list --utf8 --down " + folders);
    EXPECT_NE(std::string::npos, down.out.find("\xe8\xa1\xa8.txt")); // 表 in UTF-8
}

TEST(Cli, SyncCopiesAndPrintsTheRebuiltList)
{
    TempTree base, target;
    base.Write("sub\\a.txt", "a", LocalFileTime(2010, 3, 5, 14, 7, 9));
    CliRun run = RunCli("sync --down " + Quoted(base.Root()) + " " + Quoted(target.Root()));
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("a", target.Read("sub\\a.txt"));
    EXPECT_EQ(std::string::npos, run.out.find("SyncStart")); // the window's, not the tool's
    std::size_t synced = run.out.find("[転送]"); // the first list's summary; the list made again follows
    ASSERT_NE(std::string::npos, synced);
    EXPECT_NE(std::string::npos, run.out.find("1\t=\t\t2010/03/05 14:07:09\t2010/03/05 14:07:09", synced));
}

TEST(Cli, BadArgumentsNestedFoldersAndMissingFoldersExitWithAMessageBeforeAnyCopy)
{
    TempTree base;
    base.Write("a.txt", "a");
    base.MakeDir("copy");
    const std::string folders = Quoted(base.Root()) + " " + Quoted(base.Path("copy\\"));
    // A folder inside the other while subfolders are searched: every sync would copy the tree into itself.
    CliRun nested = RunCli("sync " + folders);
    EXPECT_EQ(2u, nested.exitCode);
    EXPECT_NE(std::string::npos, nested.err.find("inside"));
    EXPECT_FALSE(base.Exists("copy\\a.txt"));
    EXPECT_EQ(0u, RunCli("list --no-subfolders " + folders).exitCode);
    for (const std::string& arguments :
         {"list " + Quoted(base.Root()), std::string("list --sideways a b"), std::string("frobnicate"),
          "list --exclude \"a|b\" " + folders})
        EXPECT_EQ(2u, RunCli(arguments).exitCode) << arguments;

    CliRun missing = RunCli("list " + Quoted(base.Root()) + " " + Quoted(base.Path("nowhere\\")));
    EXPECT_EQ(3u, missing.exitCode);
    EXPECT_NE(std::string::npos, missing.err.find("folder not found"));
    EXPECT_TRUE(missing.out.empty());
    CliRun help = RunCli("--help");
    EXPECT_EQ(0u, help.exitCode);
    EXPECT_NE(std::string::npos, help.out.find("--two-second"));
}

TEST(Cli, TrueNamesInUtf8AndEveryFileNotCopiedNamedWithExitCodeFive)
{
    TempTree base, target;
    const std::wstring cafe = L"café.txt";
    base.Write(StoredFromWide(cafe), "c", LocalFileTime(2011, 1, 1, 0, 0, 0));
    base.Write("locked.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("locked.txt", "mine", LocalFileTime(2010, 1, 1, 0, 0, 0));
    target.SetAttributes("locked.txt", FILE_ATTRIBUTE_READONLY);

    CliRun list = RunCli("list --utf8 --down " + Quoted(base.Root()) + " " + Quoted(target.Root()));
    EXPECT_EQ(0u, list.exitCode) << list.err;
    EXPECT_NE(std::string::npos, list.out.find(Utf8FromWide(cafe)));

    CliRun sync = RunCli("sync --down " + Quoted(base.Root()) + " " + Quoted(target.Root()));
    EXPECT_EQ(5u, sync.exitCode);
    EXPECT_NE(std::string::npos, sync.err.find(target.Path("locked.txt") + "\tコピー先が読み取り専用です"));
    EXPECT_EQ("mine", target.Read("locked.txt"));
    EXPECT_EQ("c", target.Read(StoredFromWide(cafe)));

    target.SetAttributes("locked.txt", FILE_ATTRIBUTE_NORMAL);
    CliRun again = RunCli("sync --down " + Quoted(base.Root()) + " " + Quoted(target.Root()));
    EXPECT_EQ(0u, again.exitCode) << again.err;
    EXPECT_EQ("new", target.Read("locked.txt"));
}

TEST(Cli, LogAppendsEachRunAndAnUnwritableLogStopsTheRunBeforeAnyCopy)
{
    TempTree base, target, logs;
    base.Write("a.txt", "a", LocalFileTime(2011, 1, 1, 0, 0, 0));
    CliRun refused = RunCli("sync --down " + Quoted(base.Root()) + " " + Quoted(target.Root()) + " --log "
                            + Quoted(logs.Path("missing\\run.log")));
    EXPECT_EQ(6u, refused.exitCode);
    EXPECT_FALSE(target.Exists("a.txt"));

    std::string log = logs.Path("run.log");
    std::string args = Quoted(base.Root()) + " " + Quoted(target.Root()) + " --down --log " + Quoted(log);
    EXPECT_EQ(0u, RunCli("sync " + args).exitCode);
    base.Write("a.txt", "new", LocalFileTime(2012, 1, 1, 0, 0, 0));
    target.SetAttributes("a.txt", FILE_ATTRIBUTE_NORMAL);
    base.Write("b.txt", "b", LocalFileTime(2012, 1, 1, 0, 0, 0));
    target.Write("b.txt", "mine", LocalFileTime(2010, 1, 1, 0, 0, 0));
    target.SetAttributes("b.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(5u, RunCli("sync " + args).exitCode);

    std::string text = logs.Read("run.log");
    int runs = 0;
    for (std::size_t at = text.find("== 2"); at != std::string::npos; at = text.find("== 2", at + 1))
        ++runs; // each run starts with "== " and its time
    EXPECT_EQ(2, runs);
    EXPECT_NE(std::string::npos, text.find("exit 0\n"));
    std::size_t second = text.find("exit 5\n");
    ASSERT_NE(std::string::npos, second);
    EXPECT_LT(text.find("exit 0\n"), second);
    EXPECT_NE(std::string::npos, text.find(Utf8FromWide(WideFromStored(target.Path("b.txt") + "\t"))));
    EXPECT_NE(std::string::npos, text.find("[\xe8\xbb\xa2\xe9\x80\x81]\tOK")); // [転送] in UTF-8
}

TEST(Cli, FavoritesListsAFileAndSyncRunsAFavouriteByName)
{
    TempTree tree;
    tree.Write("base\\新しい.txt", "new", LocalFileTime(2020, 1, 2, 3, 4, 5));
    tree.MakeDir("target");
    FavoritesTable table;
    table.Append("毎晩", tree.Path("base"), tree.Path("target\\"), 0);  // stored without its final "\"
    table.Append("逆", tree.Path("target\\"), tree.Path("base\\"), 1);
    ASSERT_EQ("", WriteFavoritesFile(tree.Path("favorites.bdt"), table));

    CliRun list = RunCli("favorites " + Quoted(tree.Path("favorites.bdt")));
    EXPECT_EQ(0u, list.exitCode);
    EXPECT_NE(std::string::npos, list.out.find("1\t毎晩\t↓\t" + tree.Path("base") + "\t"));
    EXPECT_NE(std::string::npos, list.out.find("2\t逆\t↑\t"));

    CliRun sync = RunCli("sync --favorite 毎晩 --favorites " + Quoted(tree.Path("favorites.bdt")));
    EXPECT_EQ(0u, sync.exitCode) << sync.err;
    EXPECT_EQ("new", tree.Read("target\\新しい.txt"));

    CliRun unknown = RunCli("sync --favorite 無い --favorites " + Quoted(tree.Path("favorites.bdt")));
    EXPECT_EQ(2u, unknown.exitCode);
    EXPECT_NE(std::string::npos, unknown.err.find("無い"));
    EXPECT_EQ(3u, RunCli("favorites " + Quoted(tree.Path("none.bdt"))).exitCode);
}

TEST(Cli, ExcludedNamesAreNeitherListedNorCopied)
{
    TempTree base, target;
    FILETIME t = LocalFileTime(2010, 3, 5, 14, 7, 9);
    base.Write("a.txt", "a", t);
    base.Write("~$report.docx", "lock", t);
    base.Write("Cache\\x.txt", "x", t);
    CliRun run = RunCli("sync --down --exclude ~$* --exclude cache\\ " + Quoted(base.Root()) + " "
                        + Quoted(target.Root()));
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ("a", target.Read("a.txt"));
    EXPECT_FALSE(target.Exists("~$report.docx"));
    EXPECT_FALSE(target.Exists("Cache"));
    EXPECT_EQ(std::string::npos, run.out.find("report"));
}

} // namespace
