#include "framework/data_exchange.h"

#include "framework/app.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/string_ids.h"
#include "framework/window.h"

#include <cerrno>
#include <cstdlib>

void DataExchange::Fail(int controlId, const std::string& message)
{
    failed = true;
    AppMessageBox(message, MB_OK | MB_ICONEXCLAMATION, dialog);
    HWND control = GetDlgItem(dialog, controlId);
    SetFocus(control);
    CEdit(control).SelectAll();
}

void DdxCheck(DataExchange& dx, int id, int& value)
{
    if (dx.failed)
        return;
    CButton box(GetDlgItem(dx.dialog, id));
    if (dx.saving)
        value = box.IsChecked() ? 1 : 0;
    else
        box.SetCheck(value != 0);
}

void DdxIntRange(DataExchange& dx, int id, int& value, int minimum, int maximum)
{
    if (dx.failed)
        return;
    if (!dx.saving) {
        SetDlgItemTextA(dx.dialog, id, std::to_string(value).c_str());
        return;
    }
    std::string text = CWnd::TextOf(GetDlgItem(dx.dialog, id));
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(begin, &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == begin || *end != '\0' || errno == ERANGE) {
        dx.Fail(id, AppString(IDS_FW_NOT_AN_INTEGER));
        return;
    }
    if (parsed < minimum || parsed > maximum) {
        dx.Fail(id, AppString(IDS_FW_INTEGER_RANGE, {minimum, maximum}));
        return;
    }
    value = static_cast<int>(parsed);
}

void DdxTextMax(DataExchange& dx, int id, std::string& value, int maxChars)
{
    if (dx.failed)
        return;
    CEdit edit(GetDlgItem(dx.dialog, id));
    if (!dx.saving) {
        edit.LimitText(maxChars);
        SetWindowTextA(edit, value.c_str());
        return;
    }
    std::string text = CWnd::TextOf(edit);
    if (static_cast<int>(text.size()) > maxChars) {
        dx.Fail(id, AppString(IDS_FW_TEXT_TOO_LONG, {maxChars}));
        return;
    }
    value = text;
}
