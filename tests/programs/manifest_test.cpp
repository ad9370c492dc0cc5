// The application manifest of both programs, read back from their resources as
// Windows reads it when it starts them (type RT_MANIFEST 24, id 1).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

TEST(Manifest, BothProgramsSayLongPathsPerMonitorDpiAndWindows10WithClassicControls)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string build = self;  // build\tests\programs\program_resources_tests.exe
    build.erase(build.rfind("\\tests\\") + 1);
    for (const char* program : {"mirvalen.exe", "cli\\mirvalen-cli.exe"}) {
        HMODULE module = LoadLibraryExA((build + program).c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_TRUE(module) << program;
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
        const char* data = found ? static_cast<const char*>(LockResource(LoadResource(module, found))) : nullptr;
        std::string manifest = data ? std::string(data, SizeofResource(module, found)) : "";
        FreeLibrary(module);
        for (const char* entry : {">true</longPathAware>", ">true/pm</dpiAware>",
                                 ">PerMonitorV2, PerMonitor</dpiAwareness>",
                                 "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
                                 "{e2011457-1546-43c5-a5fe-008deee3d3f0}"}) // Vista
            EXPECT_NE(std::string::npos, manifest.find(entry)) << program << " " << entry;
        // The classic controls stay: the window sets their colours, and version 6 would draw themed ones.
        EXPECT_EQ(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls")) << program;
    }
}
