#include "settings/module_folder.h"
#include "settings/settings.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, HandEditedValuesAreLimitedToTheirRanges)
{
    TempTree tree;
    tree.Write("Mirvalen.ini", "[Mirvalen]\r\nSUBFOLDER=7\r\nROOTFILE=1\r\nSAMEHIDE=-1\r\nDISPTIME=-5\r\n"
                               "ONESECSAME=1\r\nRECYCLE=abc\r\nEXCLUDE=*.tmp|~*\r\nFAVPATH=\r\nVERIFY=2\r\n");
    Settings s = SettingsFile(tree.Path("Mirvalen.ini")).Read();
    EXPECT_EQ(1, s.SUBFOLDER);
    EXPECT_EQ(1, s.ROOTFILE);
    EXPECT_EQ(1, s.SAMEHIDE);
    EXPECT_EQ(100, s.DISPTIME) << "a negative time would be a timer of about 49 days";
    EXPECT_EQ(1, s.ONESECSAME);
    EXPECT_EQ(1, s.RECYCLE) << "no number: the default";
    EXPECT_EQ("*.tmp|~*", s.EXCLUDE);
    EXPECT_EQ(1, s.VERIFY);
    EXPECT_EQ(0, s.CONTENT) << "missing: the default";
    EXPECT_EQ(GetModuleFolder() + FavoritesFileName, s.FAVPATH);

    // Shift-JIS whatever the system's code page, in a folder of a Japanese name;
    // another section's keys and a key's letter case do not matter.
    tree.Write("設定\\Mirvalen.ini", "[Other]\r\nDISPTIME=200\r\n[mirvalen]\r\n DispTime = 99999999999\r\n"
                                  "SUBFOLDER=0\r\nFAVPATH = \"D:\\表示\\ソフト.bdt\"\r\n");
    Settings edited = SettingsFile(tree.Path("設定\\Mirvalen.ini")).Read();
    EXPECT_EQ(3000, edited.DISPTIME);
    EXPECT_EQ(0, edited.SUBFOLDER);
    EXPECT_EQ("D:\\表示\\ソフト.bdt", edited.FAVPATH);
}

TEST(SettingsFile, WhatIsWrittenIsReadBackAndAFailedWriteIsReported)
{
    TempTree tree;
    SettingsFile file(tree.Path("Mirvalen.ini"));
    Settings written;
    written.SUBFOLDER = 1;
    written.DISPTIME = 1500;
    written.RECYCLE = 0;
    written.CONTENT = 1;
    // Longer than any fixed buffer, with what an INI line could take for syntax.
    written.EXCLUDE = std::string(5000, 'x') + "|a=b|;c|[表]*|ソ\\";
    written.FAVPATH = GetModuleFolder() + "data\\お気に入り.bdt";
    const Settings before = written;
    ASSERT_FALSE(file.Write(written));
    EXPECT_EQ(before.FAVPATH, written.FAVPATH) << "writing changes nothing of what it writes";
    ASSERT_FALSE(file.WriteTwoSecondSame(1));
    Settings read = file.Read();
    EXPECT_EQ(1, read.SUBFOLDER);
    EXPECT_EQ(1500, read.DISPTIME);
    EXPECT_EQ(0, read.RECYCLE);
    EXPECT_EQ(1, read.CONTENT);
    EXPECT_EQ(0, read.VERIFY);
    EXPECT_EQ(1, read.ONESECSAME);
    EXPECT_EQ(written.EXCLUDE, read.EXCLUDE);
    EXPECT_EQ(".\\data\\お気に入り.bdt", read.FAVPATH) << "stored relative to the program folder";

    // A copy beside the favourites file; none where that folder is missing.
    tree.MakeDir("other");
    EXPECT_FALSE(file.CopyBeside(tree.Path("other\\f.bdt")));
    EXPECT_EQ(tree.Read("Mirvalen.ini"), tree.Read("other\\Mirvalen.ini"));
    Failure missing = file.CopyBeside(tree.Path("gone\\f.bdt"));
    ASSERT_TRUE(missing);
    EXPECT_EQ(tree.Path("gone\\Mirvalen.ini"), missing->path);

    // A folder that is not there stands for any place the program may not write.
    SettingsFile unwritable(tree.Path("gone\\Mirvalen.ini"));
    Failure failure = unwritable.Write(written);
    ASSERT_TRUE(failure) << "a settings file that cannot be written is not passed over in silence";
    EXPECT_EQ(unwritable.Path(), failure->path);
    EXPECT_NE(std::string::npos, MessageOf(*failure).find("設定ファイルを保存できませんでした")) << MessageOf(*failure);
    EXPECT_TRUE(unwritable.WriteTwoSecondSame(1));
}

} // namespace
