#include "engine/folder_pair.h"

#include "system/long_path.h"
#include "system/unique_handle.h"

#include <windows.h>

namespace {

// The folder's final path (links resolved where the system can), case folded,
// ending with "\"; the plain absolute path when the folder cannot be opened.
std::wstring ResolvedFolder(const std::string& folderText)
{
    std::wstring path = LongPath(folderText);
    UniqueHandle handle(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle) {
        DWORD length = GetFinalPathNameByHandleW(handle.get(), nullptr, 0, FILE_NAME_NORMALIZED);
        std::wstring final(length, L'\0');
        length = length ? GetFinalPathNameByHandleW(handle.get(), final.data(), length, FILE_NAME_NORMALIZED) : 0;
        if (length > 0 && length < final.size()) {
            final.resize(length);
            path = final;
        }
    }
    if (path.back() != L'\\')
        path += L'\\';
    return CaseFolded(path);
}

bool StrictlyInside(const std::wstring& inner, const std::wstring& outer)
{
    return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0;
}

} // namespace

Nesting NestingOf(const std::string& baseFolder, const std::string& targetFolder)
{
    if (baseFolder.empty() || targetFolder.empty())
        return Nesting::None;
    std::wstring base = ResolvedFolder(baseFolder);
    std::wstring target = ResolvedFolder(targetFolder);
    if (StrictlyInside(target, base))
        return Nesting::TargetInsideBase;
    if (StrictlyInside(base, target))
        return Nesting::BaseInsideTarget;
    return Nesting::None;
}

std::string NestingMessage(Nesting nesting)
{
    std::string where = nesting == Nesting::TargetInsideBase ? "対象フォルダが基本フォルダの中にあります。"
                                                             : "基本フォルダが対象フォルダの中にあります。";
    return where + "\nこのままでは同期のたびにフォルダが自分自身の中へ複写されるため、リストを作成しません。"
                   "\n別のフォルダを選ぶか、オプションで「サブフォルダは検索しない」を選んでください。";
}
