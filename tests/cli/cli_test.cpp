// Runs mirvalen-cli.exe as a child process, as a script would.
#include "system/stored_name.h"
#include "favorites/favorites_file.h"
#include "tests/cli/cli_fixture.h"

namespace {

TEST_F(Cli, ListPrintsTabSeparatedRowsAndTheThreePanelsInEitherCodePage)
{
    base.Write("表.txt", "12345", t0);
    target.Write("b.txt", "b", t0);
    CliRun run = Run("list BASE TARGET");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    // Byte order: "b" (62) before 表 (95 5C).
    for (const char* line : {"1\t↑\t×\t\t2010/03/05 14:07:09\t\t1\tb.txt", "2\t↓\t×\t2010/03/05 14:07:09\t\t5\t\t表.txt",
                             "[転送]\tOK", "[基本フォルダ]\tOK", "[対象フォルダ]\tOK"})
        EXPECT_TRUE(Has(run.out, line)) << line;
    CliRun up = Run("list --utf8 --up BASE TARGET");
    EXPECT_EQ(0u, up.exitCode);
    EXPECT_FALSE(Has(up.out, "\xe8\xa1\xa8.txt")); // Up lists the target table
    EXPECT_TRUE(Has(up.out, "[\xe8\xbb\xa2\xe9\x80\x81]\tOK")); // [転送] in UTF-8
    EXPECT_TRUE(Has(Run("list --utf8 --down BASE TARGET").out, "\xe8\xa1\xa8.txt")); // 表 in UTF-8
}

TEST_F(Cli, SyncCopiesLeavesExcludedNamesAloneAndPrintsTheListAgain)
{
    base.Write("sub\\a.txt", "a", t0);
    base.Write("~$report.docx", "lock", t0);
    base.Write("Cache\\x.txt", "x", t0);
    CliRun run = Run("sync --down --exclude ~$* --exclude cache\\ BASE TARGET");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ((Names{"sub"}), target.Names());
    EXPECT_EQ("a", target.Read("sub\\a.txt"));
    EXPECT_FALSE(Has(run.out, "report"));
    // The first list's summary, then the list made again.
    EXPECT_TRUE(Has(run.out.substr(run.out.find("[転送]")), "1\t=\t\t2010/03/05 14:07:09\t2010/03/05 14:07:09"));
}

// Folders of Japanese names, and names whose second bytes other code pages
// read as "\" (表, ソ: 5C) or as letters of another case (イ and ツ: C and c;
// サ and フ: T and t): each file is its own, under any code page.
TEST_F(Cli, JapaneseFoldersAndNamesListAndSyncAsShiftJis)
{
    const std::string from = base.Path("表示\\"), to = target.Path("対象ソフト\\");
    for (const char* name : {"ソ\\x.txt", "イb.txt", "サソ.txt"})
        base.Write("表示\\" + std::string(name), name, t0);
    for (const char* name : {"ツb.txt", "フソ.txt"})
        target.Write("対象ソフト\\" + std::string(name), name, t0);
    CliRun sync = Run("sync --utf8 --down " + Quoted(from) + " " + Quoted(to));
    EXPECT_EQ(0u, sync.exitCode) << sync.err;
    for (const char* name : {"ソ\\x.txt", "イb.txt", "サソ.txt", "ツb.txt", "フソ.txt"})
        EXPECT_EQ(name, target.Read("対象ソフト\\" + std::string(name)));
    // The list made again, in UTF-8: the subfolder's file first, each paired with its copy.
    const std::size_t secondList = sync.out.find(Utf8FromWide(L"[転送]"));
    ASSERT_NE(std::string::npos, secondList) << sync.out;
    const std::string again = sync.out.substr(secondList);
    const std::wstring same = L"\t=\t\t2010/03/05 14:07:09\t2010/03/05 14:07:09\t";
    for (const std::wstring& row : {L"1" + same + L"8\t8\tソ\\x.txt", L"3" + same + L"8\t8\tサソ.txt"})
        EXPECT_TRUE(Has(again, Utf8FromWide(row))) << again;
}

TEST_F(Cli, BadArgumentsNestedFoldersAndMissingFoldersExitWithAMessageBeforeAnyCopy)
{
    base.Write("a.txt", "a");
    // A folder inside the other while subfolders are searched: every sync would copy the tree into itself.
    const std::string nested = Quoted(base.Root()) + " " + Quoted(base.Path("copy\\"));
    base.MakeDir("copy");
    CliRun refused = Run("sync " + nested);
    EXPECT_EQ(2u, refused.exitCode);
    EXPECT_TRUE(Has(refused.err, "inside"));
    EXPECT_FALSE(base.Exists("copy\\a.txt"));
    EXPECT_EQ(0u, Run("list --no-subfolders " + nested).exitCode);
    for (const std::string arguments : {"list BASE", "list --sideways a b", "frobnicate", "list --exclude \"a|b\" BASE TARGET"})
        EXPECT_EQ(2u, Run(arguments).exitCode) << arguments;

    CliRun missing = Run("list BASE " + Quoted(base.Path("nowhere\\")));
    EXPECT_EQ(3u, missing.exitCode);
    EXPECT_TRUE(Has(missing.err, "folder not found"));
    EXPECT_TRUE(missing.out.empty());
    CliRun help = Run("--help");
    EXPECT_EQ(0u, help.exitCode);
    EXPECT_TRUE(Has(help.out, "--two-second"));
}

TEST_F(Cli, EveryFileNotCopiedIsNamedWithExitCodeFiveAndTheLogKeepsEachRun)
{
    TempTree logs;
    const std::wstring cafe = L"café.txt";
    base.Write(StoredFromWide(cafe), "c", later);
    base.Write("locked.txt", "new", later);
    target.Write("locked.txt", "mine", t0);
    target.SetAttributes("locked.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Has(Run("list --utf8 --down BASE TARGET").out, Utf8FromWide(cafe)));  // its true name
    // A log that cannot be written stops the run before any copy.
    EXPECT_EQ(6u, Run("sync --down BASE TARGET --log " + Quoted(logs.Path("missing\\run.log"))).exitCode);
    EXPECT_FALSE(target.Exists(StoredFromWide(cafe)));

    const std::string sync = "sync --down BASE TARGET --log " + Quoted(logs.Path("run.log"));
    CliRun first = Run(sync);
    EXPECT_EQ(5u, first.exitCode);
    EXPECT_TRUE(Has(first.err, target.Path("locked.txt") + "\tコピー先が読み取り専用です"));
    EXPECT_EQ("mine", target.Read("locked.txt"));
    EXPECT_EQ("c", target.Read(StoredFromWide(cafe)));
    target.SetAttributes("locked.txt", FILE_ATTRIBUTE_NORMAL);
    CliRun second = Run(sync);
    EXPECT_EQ(0u, second.exitCode) << second.err;
    EXPECT_EQ("new", target.Read("locked.txt"));

    std::string log = logs.Read("run.log");  // UTF-8
    int runs = 0;
    for (std::size_t at = log.find("== 2"); at != std::string::npos; at = log.find("== 2", at + 1))
        ++runs; // each run starts with "== " and its time
    EXPECT_EQ(2, runs);
    ASSERT_TRUE(Has(log, "exit 0\n"));
    EXPECT_LT(log.find("exit 5\n"), log.find("exit 0\n"));
    EXPECT_TRUE(Has(log, Utf8FromWide(WideFromStored(target.Path("locked.txt") + "\t"))));
    EXPECT_TRUE(Has(log, "[\xe8\xbb\xa2\xe9\x80\x81]\tOK")); // [転送]
}

// Same time, other sizes: by default named and left, else settled either way.
TEST_F(Cli, ConflictSettlesUndecidedPairsOnlyWhenAsked)
{
    base.Write("a.txt", "base's", t0);
    target.Write("a.txt", "target's!", t0);
    CliRun skip = Run("sync BASE TARGET");
    EXPECT_EQ(5u, skip.exitCode);
    EXPECT_TRUE(Has(skip.out, "1\t？\t×\t2010/03/05 14:07:09\t\t6\t\ta.txt"));
    EXPECT_TRUE(Has(skip.err, target.Path("a.txt") + "\t競合"));
    EXPECT_TRUE(Has(skip.err, base.Path("a.txt") + "\t競合"));
    EXPECT_EQ("base's", base.Read("a.txt"));
    EXPECT_EQ("target's!", target.Read("a.txt"));
    EXPECT_EQ(2u, Run("sync --conflict newer BASE TARGET").exitCode);

    CliRun toTarget = Run("sync --conflict base BASE TARGET");
    EXPECT_EQ(0u, toTarget.exitCode) << toTarget.err;
    EXPECT_TRUE(Has(toTarget.out, "1\t↓＊\t×"));
    EXPECT_EQ("base's", target.Read("a.txt"));

    target.Write("a.txt", "target's!", t0);
    base.Write("a.txt", "base's", t0);
    EXPECT_EQ(0u, Run("sync --conflict target BASE TARGET").exitCode);
    EXPECT_EQ("target's!", base.Read("a.txt"));
}

// Contents decide over times when asked; each copy read back when asked.
TEST_F(Cli, CompareContentAndVerifyReadTheFiles)
{
    base.Write("restored.txt", "one content", later);
    target.Write("restored.txt", "one content", t0);
    base.Write("edited.txt", "edit A", t0);
    target.Write("edited.txt", "edit B", t0);
    CliRun byContent = Run("sync --compare-content --verify --conflict base BASE TARGET");
    EXPECT_EQ(0u, byContent.exitCode) << byContent.err;
    EXPECT_TRUE(Has(byContent.out, "1\t↓＊\t≠\t2010/03/05 14:07:09\t2010/03/05 14:07:09\t6\t6\tedited.txt"));
    EXPECT_TRUE(Has(byContent.out, "2\t=\t\t2011/01/01 00:00:00\t2010/03/05 14:07:09"));
    EXPECT_EQ("edit A", target.Read("edited.txt"));
}

TEST_F(Cli, FavoritesListsAFileAndSyncRunsAFavouriteByName)
{
    base.Write("新しい.txt", "new", LocalFileTime(2020, 1, 2, 3, 4, 5));
    FavoritesTable table;
    std::string baseText = base.Root().substr(0, base.Root().size() - 1);  // stored without its final "\"
    table.Append("毎晩", baseText, target.Root(), 0);
    table.Append("逆", target.Root(), base.Root(), 1);
    TempTree files;
    const std::string file = Quoted(files.Path("favorites.bdt"));
    ASSERT_FALSE(WriteFavoritesFile(files.Path("favorites.bdt"), table));
    CliRun list = Run("favorites " + file);
    EXPECT_EQ(0u, list.exitCode);
    EXPECT_TRUE(Has(list.out, "1\t毎晩\t↓\t" + baseText + "\t"));
    EXPECT_TRUE(Has(list.out, "2\t逆\t↑\t"));
    CliRun sync = Run("sync --favorite 毎晩 --favorites " + file);
    EXPECT_EQ(0u, sync.exitCode) << sync.err;
    EXPECT_EQ("new", target.Read("新しい.txt"));
    CliRun unknown = Run("sync --favorite 無い --favorites " + file);
    EXPECT_EQ(2u, unknown.exitCode);
    EXPECT_TRUE(Has(unknown.err, "無い"));
    EXPECT_EQ(3u, Run("favorites " + Quoted(files.Path("none.bdt"))).exitCode);
}

} // namespace
