#include "view/problem_report.h"

namespace {

// The first problems of a list, path and reason on two lines each.
std::string FirstOf(const Problems& problems, std::size_t room)
{
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < room; ++i)
        text += "\n" + problems[i].path + "\n　　" + problems[i].reason;
    return text;
}

std::string Section(const char* heading, const Problems& problems)
{
    if (problems.empty())
        return "";
    std::string text = std::string(heading) + "（" + std::to_string(problems.size()) + " 件）\r\n";
    for (const Problem& p : problems)
        text += p.path + "\t" + p.reason + "\r\n";
    return text + "\r\n";
}

} // namespace

std::string ProblemMessage(const Problems& unread, const Problems& notCopied)
{
    std::string text;
    std::size_t room = kProblemsInMessage;
    if (!notCopied.empty()) {
        text = std::to_string(notCopied.size()) + " 件のファイルをコピーできませんでした。\n" + FirstOf(notCopied, room);
        room -= std::min(room, notCopied.size());
    }
    if (!unread.empty()) {
        if (!text.empty())
            text += "\n\n";
        // Folders not read, and names never copied: each says which by its reason.
        text += "読めなかったもの、またはコピーしないものが " + std::to_string(unread.size())
            + " 件あります（理由は各項目の下）。\n" + FirstOf(unread, room);
        room -= std::min(room, unread.size());
    }
    std::size_t shown = kProblemsInMessage - room;
    std::size_t total = unread.size() + notCopied.size();
    if (total > shown)
        text += "\n\nほか " + std::to_string(total - shown) + " 件";
    return text;
}

std::string ProblemReportText(const Problems& unread, const Problems& notCopied)
{
    return Section("コピーできなかったファイル", notCopied) + Section("読めなかったもの・コピーしないもの", unread);
}

std::string NoBinMessage(const Problems& noBin)
{
    if (noBin.empty())
        return "";
    std::string text = std::to_string(noBin.size())
        + " 件のファイルは、ごみ箱のないドライブ（ネットワーク上など）にあったため、"
          "古いファイルをごみ箱に移さずに置き換えました。\n";
    for (std::size_t i = 0; i < noBin.size() && i < kProblemsInMessage; ++i)
        text += "\n" + noBin[i].path;
    if (noBin.size() > kProblemsInMessage)
        text += "\n\nほか " + std::to_string(noBin.size() - kProblemsInMessage) + " 件";
    return text;
}
