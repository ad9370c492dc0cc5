// Settings read at start and written by the close path.
#include "main_window_fixture.h"

#include "app/module_folder.h"

TEST_F(MainWindowTest, SettingsAreReadAtStartAndWrittenAtClose)
{
    WriteSetting("SUBFOLDER", "1");
    WriteSetting("ROOTFILE", "1");
    WriteSetting("SAMEHIDE", "1");
    WriteSetting("DISPTIME", "50");
    WriteSetting("ONESECSAME", "7");
    Open();
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_TWO_SECOND));
    Close();
    EXPECT_EQ("1", Setting("SUBFOLDER"));
    EXPECT_EQ("1", Setting("ROOTFILE"));
    EXPECT_EQ("1", Setting("SAMEHIDE"));
    EXPECT_EQ("100", Setting("DISPTIME")) << "brought into the range the options dialog accepts";
    EXPECT_EQ("7", Setting("ONESECSAME"));  // written only when the toggle changes
}

TEST_F(MainWindowTest, DefaultsWithoutASettingsFile)
{
    DeleteFileA(m_app.m_profileName.c_str());
    Open();
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_TWO_SECOND));
    // Keep the favourites of this test out of the program folder.
    WriteSetting("FAVPATH", m_tree.Path("favorites.bdt"));
    Close();
    EXPECT_EQ("0", Setting("SUBFOLDER"));
    EXPECT_EQ("500", Setting("DISPTIME"));
}

TEST_F(MainWindowTest, SettingsFileIsCopiedBesideTheFavouritesFile)
{
    m_tree.MakeDir("favs");
    WriteSetting("FAVPATH", m_tree.Path("favs\\mine.bdt"));
    Open();
    Close();
    EXPECT_TRUE(m_tree.Exists("favs\\mine.bdt"));
    EXPECT_TRUE(m_tree.Exists("favs\\Mirvalen.ini"));
    EXPECT_EQ(m_tree.Read("Mirvalen.ini"), m_tree.Read("favs\\Mirvalen.ini"));
}

TEST_F(MainWindowTest, ExclusionPatternsAndTheBinSwitchRoundTrip)
{
    const std::string patterns = "古い版\\|*.bak|~$*|Thumbs.db";
    WriteSetting("EXCLUDE", patterns);
    WriteSetting("RECYCLE", "0");
    Open();
    EXPECT_EQ(patterns, m_dialog->Options().EXCLUDE);
    EXPECT_EQ(0, m_dialog->Options().RECYCLE);
    Close();
    EXPECT_EQ(patterns, Setting("EXCLUDE"));
    EXPECT_EQ("0", Setting("RECYCLE"));
}
