// The window program under a code page other than 932: it says why it does not
// start, in both languages, and ends having written nothing.
#include "system/long_path.h"
#include "system/stored_name.h"
#include "system/unique_handle.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A visible dialog (a message box among them) of the given process.
HWND DialogOfProcess(DWORD processId)
{
    std::pair<DWORD, HWND> search{processId, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<std::pair<DWORD, HWND>*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t cls[16] = L"";
            GetClassNameW(hwnd, cls, 16);
            if (owner == s->first && IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770")
                s->second = hwnd;
            return s->second == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

TEST(WindowProgram, UnderAnotherCodePageSaysWhyAndEndsHavingWrittenNothing)
{
    ASSERT_NE(932u, GetACP());
    // A copy of its own, so that a settings file beside it would show.
    TempTree folder;
    std::wstring built = L"Z:" + WideFromStored(MIRVALEN_EXE);
    std::replace(built.begin(), built.end(), L'/', L'\\');
    const std::wstring program = LongPath(folder.Root(), "mirvalen.exe");
    ASSERT_TRUE(CopyFileW(built.c_str(), program.c_str(), TRUE));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\"";
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    UniqueHandle started(process.hProcess), mainThread(process.hThread);
    HWND box = nullptr;
    EXPECT_TRUE(gui::WaitFor([&] { return (box = DialogOfProcess(process.dwProcessId)) != nullptr; }, 60000));
    if (box) {
        wchar_t text[4096] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 4096);
        const std::wstring message = text;
        for (const wchar_t* piece : {L"932", L"日本語 (日本)", L"Language for non-Unicode programs",
                                     L"Unicode UTF-8", L"code page 1252"})
            EXPECT_NE(std::wstring::npos, message.find(piece)) << StoredFromWide(piece);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(started.get(), 30000));
    DWORD exitCode = 0;
    GetExitCodeProcess(started.get(), &exitCode);
    EXPECT_EQ(1u, exitCode);
    TerminateProcess(started.get(), 1);  // only if the box was never answered
    EXPECT_EQ((Names{"mirvalen.exe"}), folder.Names());
}

} // namespace
