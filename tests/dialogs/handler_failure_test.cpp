// A handler that fails leaves its window alive: the user reads what happened,
// and the message is answered as if it had not been wanted.
#include "framework/dialog.h"
#include "res/resource.h"
#include "tests/support/gui_harness.h"

#include <gtest/gtest.h>

#include <new>

namespace {

constexpr UINT kFail = WM_APP + 1;

class FailingDialog : public CDialogImpl<FailingDialog> {
public:
    FailingDialog() : CDialogImpl(IDD_NOTICE) {}
    static std::span<const MessageEntry<FailingDialog>> MessageMap()
    {
        static const MessageEntry<FailingDialog> map[] = {OnMessage(kFail, &FailingDialog::OnFail)};
        return map;
    }
    LRESULT OnFail(WPARAM outOfMemory, LPARAM)
    {
        if (outOfMemory)
            throw std::bad_alloc();
        throw 42;
    }
};

TEST(HandlerFailure, IsToldToTheUserAndTheWindowStays)
{
    FailingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    for (bool outOfMemory : {true, false}) {
        gui::DialogAnswerer box("Mirvalen", IDOK, dialog.m_hWnd);
        EXPECT_EQ(0, SendMessageA(dialog.m_hWnd, kFail, outOfMemory, 0));
        EXPECT_TRUE(box.Answered());
        EXPECT_EQ(outOfMemory ? "メモリが足りません。操作は行われませんでした。"
                              : "予期しないエラーのため、操作は行われませんでした。",
                  box.MessageText());
        EXPECT_TRUE(IsWindow(dialog.m_hWnd));
    }
    DestroyWindow(dialog.m_hWnd);
}

} // namespace
