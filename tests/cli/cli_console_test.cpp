// mirvalen-cli writing to a console rather than to a file: alone in its
// executable, since the test process takes a console of its own.
#include "system/stored_name.h"
#include "system/unique_handle.h"
#include "tests/support/cli_worker.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace {

// The text of the console's screen, row after row.
std::wstring ScreenText()
{
    HANDLE screen = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(screen, &info);
    std::wstring cells(static_cast<std::size_t>(info.dwSize.X) * info.dwSize.Y, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, cells.data(), static_cast<DWORD>(cells.size()), COORD{0, 0}, &read);
    return cells;
}

// Names as they are, whatever the console's code page.
TEST(CliConsole, ShowsEveryCharacterOfTheList)
{
    TempTree base, target;
    const std::wstring cafe = L"café.txt";
    base.Write(StoredFromWide(cafe), "x");
    base.Write("表示.txt", "x");
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    std::wstring command = L"\"" + CliWorker() + L"\" list --down \"" + WideFromStored(base.Root()) + L"\\\" \""
        + WideFromStored(target.Root()) + L"\\\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    UniqueHandle tool(process.hProcess), mainThread(process.hThread);
    WaitForSingleObject(tool.get(), INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(tool.get(), &exitCode);
    EXPECT_EQ(0u, exitCode);
    const std::wstring screen = ScreenText();
    EXPECT_NE(std::wstring::npos, screen.find(cafe)) << Utf8FromWide(screen);
    EXPECT_NE(std::wstring::npos, screen.find(L"表示.txt")) << Utf8FromWide(screen);
}

} // namespace
