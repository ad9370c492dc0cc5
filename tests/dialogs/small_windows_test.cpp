// The about box, the folder-not-found notice and the help window.
#include "tests/support/gui_harness.h"
#include "ui/about_dialog.h"
#include "ui/help.h"
#include "ui/notice_dialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

TEST(AboutBox, ShowsNameAndVersionBesideTheIcon)
{
    struct Seen {
        bool version = false;
        bool icon = false;
    } seen;
    gui::DialogAnswerer answer("Mirvalenのﾊﾞｰｼﾞｮﾝ情報", IDOK);
    answer.Before(
        [](HWND d, void* c) {
            auto* s = static_cast<Seen*>(c);
            for (HWND child : Children(d)) {
                s->version |= gui::Text(child) == "Mirvalen Version 1.0.7";
                s->icon |= SendMessageA(child, STM_GETICON, 0, 0) != 0;
            }
        },
        &seen);
    CAboutDlg about;
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_TRUE(answer.Answered());
    EXPECT_TRUE(seen.version);
    EXPECT_TRUE(seen.icon);
}

class RecordingOwner : public NoticeOwner {
public:
    void ForgetNotice(HWND notice) override { forgotten.push_back(notice); }
    std::vector<HWND> forgotten;
};

// A notice that counts its own release.
int g_released = 0;
class CountedNotice : public CNoticeDlg {
public:
    ~CountedNotice() override { ++g_released; }
};

class Notice : public ::testing::Test {
protected:
    void SetUp() override { g_released = 0; }
    RecordingOwner owner;
};

TEST_F(Notice, ShowsItsTextCentredOnTheScreen)
{
    CNoticeDlg* notice = ShowNoticeWindow(nullptr, &owner, "基本フォルダが、みつかりません");
    ASSERT_TRUE(notice);
    HWND window = notice->Window();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ("Mirvalen", gui::Text(window));
    EXPECT_EQ("基本フォルダが、みつかりません", gui::Text(window, IDC_NOTICE_TEXT));

    RECT screen, rect;
    GetWindowRect(GetDesktopWindow(), &screen);
    GetWindowRect(window, &rect);
    EXPECT_NEAR((screen.left + screen.right) / 2, (rect.left + rect.right) / 2, 1);
    EXPECT_NEAR((screen.top + screen.bottom) / 2, (rect.top + rect.bottom) / 2, 1);

    DestroyWindow(window);
    ASSERT_EQ(1u, owner.forgotten.size());
    EXPECT_EQ(window, owner.forgotten[0]);
    gui::Pump(50);
}

TEST_F(Notice, ClosingItReleasesItAndTellsTheOwner)
{
    auto* notice = new CountedNotice;
    ASSERT_TRUE(notice->ShowNotice(nullptr, &owner));
    HWND window = notice->Window();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    ASSERT_EQ(1u, owner.forgotten.size());
    EXPECT_EQ(window, owner.forgotten[0]);
    gui::Pump(100);
    EXPECT_EQ(1, g_released);
}

TEST_F(Notice, EndedByItsOwnerItIsReleasedToo)
{
    auto* notice = new CountedNotice;
    ASSERT_TRUE(notice->ShowNotice(nullptr, &owner));
    HWND window = notice->Window();
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);
    EXPECT_EQ(1u, owner.forgotten.size());
    gui::Pump(100);
    EXPECT_EQ(1, g_released);
}

TEST(Help, OpensOnceWithTheProgramsOwnHelpText)
{
    ShowHelpContents(nullptr);
    HWND help = HelpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(IsWindowVisible(help));
    ShowHelpContents(nullptr);
    EXPECT_EQ(help, HelpWindow());

    std::vector<HWND> children = Children(help);
    ASSERT_EQ(1u, children.size());
    std::string text = gui::Text(children[0]);
    for (const char* topic : {"リスト作成", "同期実行", "△", "×", "水色", "薄い赤", "２秒", "お気に入り",
                              "フォルダ警告時間", "mirvalen-cli", "--two-second", "--favorite"})
        EXPECT_NE(std::string::npos, text.find(topic)) << topic;
    EXPECT_TRUE(GetWindowLongA(children[0], GWL_STYLE) & ES_READONLY);

    SendMessageA(help, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(help));
    EXPECT_EQ(nullptr, HelpWindow());
}

} // namespace
