// The folder-not-found notice: centred on the screen, and released however it ends.
#include "tests/support/gui_harness.h"
#include "ui/notice_dialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingOwner : public NoticeOwner {
public:
    void ForgetNotice(HWND notice) override { forgotten.push_back(notice); }
    std::vector<HWND> forgotten;
};

int g_released = 0;
class CountedNotice : public CNoticeDlg {
public:
    ~CountedNotice() override { ++g_released; }
};

TEST(Notice, ShowsItsTextCentredAndIsReleasedWhenClosedOrEndedByItsOwner)
{
    RecordingOwner owner;
    CNoticeDlg* shown = ShowNoticeWindow(nullptr, &owner, "基本フォルダが、みつかりません");
    ASSERT_TRUE(shown);
    HWND window = shown->Window();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ("Mirvalen", gui::Text(window));
    EXPECT_EQ("基本フォルダが、みつかりません", gui::Text(window, IDC_NOTICE_TEXT));
    RECT screen, rect;
    GetWindowRect(GetDesktopWindow(), &screen);
    GetWindowRect(window, &rect);
    EXPECT_NEAR((screen.left + screen.right) / 2, (rect.left + rect.right) / 2, 1);
    EXPECT_NEAR((screen.top + screen.bottom) / 2, (rect.top + rect.bottom) / 2, 1);
    DestroyWindow(window);

    for (bool byCloseBox : {true, false}) {
        auto* notice = new CountedNotice;
        ASSERT_TRUE(notice->ShowNotice(nullptr, &owner));
        window = notice->Window();
        if (byCloseBox)
            SendMessageA(window, WM_CLOSE, 0, 0);
        else
            DestroyWindow(window);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(window, owner.forgotten.back());
    }
    EXPECT_EQ(3u, owner.forgotten.size());
    EXPECT_TRUE(gui::WaitFor([] { return g_released == 2; }));
}

} // namespace
