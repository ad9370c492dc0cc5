#include "app/settings.h"
#include "app/module_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(ModuleFolder, NamesTheRunningProgramsFolderWithTrailingBackslash)
{
    std::string folder = GetModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ('\\', folder.back());
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string program = exe;
    EXPECT_EQ(folder, program.substr(0, program.find_last_of('\\') + 1));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.c_str()));
}

TEST(ModuleFolder, SettingsFileLiesBesideTheProgram)
{
    EXPECT_EQ(GetModuleFolder() + "Mirvalen.ini", SettingsFile::OfProgram().Path());
}
