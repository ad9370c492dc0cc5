#include "ui/problem_message.h"

#include "system/handle_io.h"
#include "system/stored_name.h"
#include "system/unique_handle.h"
#include "framework/app.h"
#include "view/problem_report.h"

#include <shellapi.h>

namespace {

// The full report as a Unicode text file that Notepad opens as it is: the
// names keep every character.
std::wstring WriteReportFile(const std::string& report)
{
    wchar_t folder[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, folder))
        return {};
    std::wstring path = std::wstring(folder) + L"Mirvalen-report.txt";
    std::wstring text = L"\xFEFF" + WideFromStored(report);
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    bool ok = WriteAll(file.get(), text.data(), text.size() * sizeof(wchar_t));
    return ok ? path : std::wstring();
}

} // namespace

void ShowProblems(HWND owner, const Problems& unread, const Problems& notCopied)
{
    std::string message = ProblemMessage(unread, notCopied);
    if (message.empty())
        return;
    message += "\n\nすべての一覧をメモ帳で開きますか？";
    if (AppMessageBox(WideFromStored(message), MB_YESNO | MB_ICONWARNING, owner) != IDYES)
        return;
    std::wstring report = WriteReportFile(ProblemReportText(unread, notCopied));
    if (report.empty() || ShellExecuteW(owner, L"open", L"notepad.exe", (L"\"" + report + L"\"").c_str(), nullptr,
                                        SW_SHOWNORMAL) <= reinterpret_cast<HINSTANCE>(32))
        AppMessageBox("一覧を開けませんでした。", MB_OK | MB_ICONWARNING, owner);
}

void ShowNoBinNotice(HWND owner, const Problems& noBin)
{
    std::string message = NoBinMessage(noBin);
    if (message.empty())
        return;
    AppMessageBox(WideFromStored(message), MB_OK | MB_ICONINFORMATION, owner);
}
