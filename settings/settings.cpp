#include "settings/settings.h"

#include "settings/favorites_path.h"
#include "settings/module_folder.h"
#include "system/handle_io.h"
#include "system/path_text.h"
#include "system/stored_name.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <climits>
#include <cstdlib>
#include <utility>

namespace {

const char* const kSection = "Mirvalen";

// The file's bytes, or nothing when it cannot be read (a missing file gives every default).
std::string FileBytes(const std::string& path)
{
    UniqueHandle file(CreateFileW(WideFromStored(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return {};
    return ReadToEnd(file.get());
}

// The file is Shift-JIS whatever the system's code page, and the command-line
// tool reads it under any: it is read as bytes, not through the profile
// functions, which convert with the system's code page. As they do, the
// first "KEY=value" of the section counts, names in any letter case, and
// blanks around names and values and quotes around a value are dropped.
std::string ReadString(const std::string& bytes, const char* key, const std::string& fallback)
{
    bool inSection = false;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = WithoutBlanksAround(std::string_view(bytes).substr(start, end - start));
        start = end + 1;
        if (line.starts_with('[')) {
            std::string_view name = line.substr(1, line.find(']') - 1);
            inSection = SamePathIgnoringCase(WithoutBlanksAround(name), kSection);
            continue;
        }
        std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || !SamePathIgnoringCase(WithoutBlanksAround(line.substr(0, equals)), key))
            continue;
        std::string_view value = WithoutBlanksAround(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return fallback;
}

// A number outside [minimum, maximum] is brought to the nearer end; a text
// that is no number gives the default.
int ReadInt(const std::string& bytes, const char* key, int fallback, int minimum, int maximum)
{
    std::string text = ReadString(bytes, key, "");
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return fallback;
    return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

// Every stored value, once: its key as the file has it (the file is the
// users', so the names never change), the field it fills and how it is read.
// A field's default is the one the record is made with.
struct Key {
    enum Kind { Switch, Number, Text };
    const char* name;
    Kind kind;
    int Settings::*number = nullptr;
    std::string Settings::*text = nullptr;
    int minimum = 0, maximum = 0;  // Number: the range a hand-edited value is brought into
    bool writtenAtClose = true;    // else written on its own, when it changes
};

const Key kKeys[] = {
    {"SUBFOLDER", Key::Switch, &Settings::SUBFOLDER},
    {"ROOTFILE", Key::Switch, &Settings::ROOTFILE},
    {"SAMEHIDE", Key::Switch, &Settings::SAMEHIDE},
    {"DISPTIME", Key::Number, &Settings::DISPTIME, nullptr, kMinDispTime, kMaxDispTime},
    {"ONESECSAME", Key::Switch, &Settings::ONESECSAME, nullptr, 0, 0, false},
    {"RECYCLE", Key::Switch, &Settings::RECYCLE},
    {"EXCLUDE", Key::Text, nullptr, &Settings::EXCLUDE},
    {"VERIFY", Key::Switch, &Settings::VERIFY},
    {"CONTENT", Key::Switch, &Settings::CONTENT},
    {"FAVPATH", Key::Text, nullptr, &Settings::FAVPATH},
};

void ReadKey(const std::string& bytes, const Key& key, Settings& s)
{
    switch (key.kind) {
    case Key::Switch: // any number other than 0 turns it on
        s.*key.number = ReadInt(bytes, key.name, s.*key.number, INT_MIN, INT_MAX) != 0 ? 1 : 0;
        break;
    case Key::Number:
        s.*key.number = ReadInt(bytes, key.name, s.*key.number, key.minimum, key.maximum);
        break;
    case Key::Text:
        s.*key.text = ReadString(bytes, key.name, s.*key.text);
        break;
    }
}

std::string ValueText(const Key& key, const Settings& s)
{
    return key.kind == Key::Text ? s.*key.text : std::to_string(s.*key.number);
}

// The two-second toggle's entry, the one written on its own.
const Key& TwoSecondKey()
{
    return *std::find_if(std::begin(kKeys), std::end(kKeys),
                         [](const Key& key) { return key.number == &Settings::ONESECSAME; });
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
    const std::string bytes = FileBytes(m_path);
    Settings s;
    for (const Key& key : kKeys)
        ReadKey(bytes, key, s);
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

Failure SettingsFile::Write(const Settings& settings) const
{
    Settings stored = settings;
    stored.FAVPATH = StoredFavoritesPath(settings.FAVPATH, GetModuleFolder());
    for (const Key& key : kKeys) {
        if (!key.writtenAtClose)
            continue;
        if (Failure failure = WriteValue(key.name, ValueText(key, stored)))
            return failure;
    }
    return std::nullopt;
}

Failure SettingsFile::WriteTwoSecondSame(int on) const
{
    Settings s;
    s.ONESECSAME = on ? 1 : 0;
    return WriteValue(TwoSecondKey().name, ValueText(TwoSecondKey(), s));
}

Failure SettingsFile::CopyBeside(const std::string& favoritesPath) const
{
    std::string folder = FolderPart(favoritesPath);
    std::string copy = folder + SettingsFileName;
    if (folder.empty() || SameFile(m_path, copy) || CopyFileA(m_path.c_str(), copy.c_str(), FALSE))
        return std::nullopt;
    return Problem{copy, "設定ファイルをお気に入りファイルの隣にコピーできませんでした。" + SystemMessage(GetLastError())};
}
