#include "app/settings.h"

#include "app/module_folder.h"
#include "favorites/favorites_path.h"
#include "engine/path_text.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

namespace {

const char* const kSection = "Mirvalen";

std::string ReadString(const std::string& file, const char* key, const std::string& fallback)
{
    // Grow until the value fits: the function returns size - 1 when it cut.
    for (DWORD size = 1024;; size *= 4) {
        std::string buffer(size, '\0');
        DWORD got = GetPrivateProfileStringA(kSection, key, fallback.c_str(), buffer.data(), size, file.c_str());
        if (got < size - 1 || size >= (1u << 20)) {
            buffer.resize(got);
            return buffer;
        }
    }
}

// A number outside [minimum, maximum] is brought to the nearer end; a text
// that is no number gives the default.
int ReadInt(const std::string& file, const char* key, int fallback, int minimum, int maximum)
{
    std::string text = ReadString(file, key, "");
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return fallback;
    return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

// Any number other than 0 turns a switch on.
int ReadFlag(const std::string& file, const char* key, int fallback)
{
    return ReadInt(file, key, fallback, INT_MIN, INT_MAX) != 0 ? 1 : 0;
}

// True when both names denote one file (a copy would then do nothing).
bool SameFile(const std::string& a, const std::string& b)
{
    char fullA[MAX_PATH * 4] = "", fullB[MAX_PATH * 4] = "";
    GetFullPathNameA(a.c_str(), sizeof fullA, fullA, nullptr);
    GetFullPathNameA(b.c_str(), sizeof fullB, fullB, nullptr);
    return lstrcmpiA(fullA, fullB) == 0;
}

} // namespace

std::string FavoritesFile(const Settings& s)
{
    return ResolveFavoritesPath(s.FAVPATH, GetModuleFolder());
}

SettingsFile SettingsFile::OfProgram()
{
    return SettingsFile(GetModuleFolder() + SettingsFileName);
}

Settings SettingsFile::Read() const
{
    Settings s;
    s.SUBFOLDER = ReadFlag(m_path, "SUBFOLDER", 0);
    s.ROOTFILE = ReadFlag(m_path, "ROOTFILE", 0);
    s.SAMEHIDE = ReadFlag(m_path, "SAMEHIDE", 0);
    s.DISPTIME = ReadInt(m_path, "DISPTIME", kDefaultDispTime, kMinDispTime, kMaxDispTime);
    s.ONESECSAME = ReadFlag(m_path, "ONESECSAME", 0);
    s.RECYCLE = ReadFlag(m_path, "RECYCLE", 1);
    s.EXCLUDE = ReadString(m_path, "EXCLUDE", "");
    s.FAVPATH = ReadString(m_path, "FAVPATH", "");
    if (s.FAVPATH.empty())
        s.FAVPATH = GetModuleFolder() + FavoritesFileName;
    return s;
}

Failure SettingsFile::WriteValue(const char* key, const std::string& value) const
{
    if (WritePrivateProfileStringA(kSection, key, value.c_str(), m_path.c_str()))
        return std::nullopt;
    return Problem{m_path, "設定ファイルを保存できませんでした。" + SystemMessage(GetLastError())};
}

Failure SettingsFile::Write(Settings& s) const
{
    s.FAVPATH = StoredFavoritesPath(s.FAVPATH, GetModuleFolder());
    const std::pair<const char*, std::string> values[] = {
        {"SUBFOLDER", std::to_string(s.SUBFOLDER)}, {"ROOTFILE", std::to_string(s.ROOTFILE)},
        {"SAMEHIDE", std::to_string(s.SAMEHIDE)},   {"DISPTIME", std::to_string(s.DISPTIME)},
        {"RECYCLE", std::to_string(s.RECYCLE)},     {"EXCLUDE", s.EXCLUDE},
        {"FAVPATH", s.FAVPATH},
    };
    for (const auto& [key, value] : values) {
        if (Failure failure = WriteValue(key, value))
            return failure;
    }
    return std::nullopt;
}

Failure SettingsFile::WriteTwoSecondSame(int on) const
{
    return WriteValue("ONESECSAME", on ? "1" : "0");
}

Failure SettingsFile::CopyBeside(const std::string& favoritesPath) const
{
    std::string folder = FolderPart(favoritesPath);
    std::string copy = folder + SettingsFileName;
    if (folder.empty() || SameFile(m_path, copy) || CopyFileA(m_path.c_str(), copy.c_str(), FALSE))
        return std::nullopt;
    return Problem{copy, "設定ファイルをお気に入りファイルの隣にコピーできませんでした。" + SystemMessage(GetLastError())};
}
