// The application manifest of both programs, read back from their resources as
// Windows reads it when it starts them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string BuildFolder()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path.erase(path.find_last_of('\\'));      // tests\programs
    path.erase(path.find_last_of('\\'));      // tests
    path.erase(path.find_last_of('\\') + 1);  // build folder
    return path;
}

// The manifest resource of a program (type RT_MANIFEST 24, id 1, which Windows
// reads when it starts an exe), or empty.
std::string ManifestOf(const std::string& program)
{
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module)
        return "";
    std::string text;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (found) {
        HGLOBAL loaded = LoadResource(module, found);
        const char* data = static_cast<const char*>(LockResource(loaded));
        if (data)
            text.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

class Manifest : public ::testing::TestWithParam<const char*> {};

TEST_P(Manifest, SaysLongPathsPerMonitorDpiAndWindows10WithClassicControls)
{
    std::string manifest = ManifestOf(BuildFolder() + GetParam());
    ASSERT_FALSE(manifest.empty()) << GetParam();
    EXPECT_NE(std::string::npos, manifest.find(">true</longPathAware>"));
    EXPECT_NE(std::string::npos, manifest.find(">true/pm</dpiAware>"));
    EXPECT_NE(std::string::npos, manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"));
    EXPECT_NE(std::string::npos, manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"));  // Windows 10 and 11
    EXPECT_NE(std::string::npos, manifest.find("{e2011457-1546-43c5-a5fe-008deee3d3f0}"));  // Vista
    // The classic controls stay: the window sets their colours, and version 6 would draw themed ones.
    EXPECT_EQ(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls"));
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, Manifest, ::testing::Values("mirvalen.exe", "cli\\mirvalen-cli.exe"));

} // namespace
