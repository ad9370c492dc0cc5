// Paths handed to the file system: a folder field's text (Shift-JIS) joined
// with a stored relative path, made absolute and written in the "\\?\" form,
// which the wide functions take at any depth Windows allows (32,767 characters).
#pragma once
#include <string>
#include <string_view>

// Letter case taken out, as the file system compares names: two names that
// fold alike name one file.
void FoldCase(wchar_t* text, std::size_t length);
inline std::wstring CaseFolded(std::wstring text)
{
    FoldCase(text.data(), text.size());
    return text;
}

// The folder a file's long path is in, without the final "\".
inline std::wstring FolderOfFile(const std::wstring& path)
{
    return path.substr(0, path.rfind(L'\\'));
}

// True when the path names an existing folder.
bool IsFolder(const std::wstring& path);

std::wstring LongPath(const std::string& folderText, std::string_view relative = {});
