#include "app/code_page_check.h"

#include <windows.h>

#include <string>

bool WindowCanRunHere()
{
    constexpr UINT kShiftJis = 932;
    const UINT codePage = GetACP();
    if (codePage == kShiftJis)
        return true;
    const std::wstring systemCodePage = std::to_wstring(codePage);
    const std::wstring text =
        L"Mirvalen は、ANSI コード ページが 932 (日本語, Shift-JIS) の Windows でのみ動作します。"
        L"この Windows のコード ページは " + systemCodePage + L" です。\n"
        L"コントロール パネルの [地域] → [管理] → [システム ロケールの変更] で "
        L"[現在のシステム ロケール] を [日本語 (日本)] にし、"
        L"[ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用] をオフにして、Windows を再起動してください。\n"
        L"コマンドライン版 mirvalen-cli は、どのコード ページでも動作します。\n\n"
        L"Mirvalen runs only where the system's ANSI code page is 932 (Japanese, Shift-JIS); "
        L"this system uses code page " + systemCodePage + L".\n"
        L"In Control Panel > Region > Administrative, under \"Language for non-Unicode programs\", choose "
        L"\"Change system locale\", pick Japanese (Japan), leave \"Beta: Use Unicode UTF-8 for worldwide "
        L"language support\" unchecked, and restart Windows.\n"
        L"The command-line tool mirvalen-cli works under any code page.";
    MessageBoxW(nullptr, text.c_str(), L"Mirvalen", MB_OK | MB_ICONERROR);
    return false;
}
