// How long the result list takes to show a comparison once it is ready: the
// engine builds the comparison of BASE and TARGET, then the window's virtual
// list is given its rows and paints its first page, with the window shown.
//   mirvalen-window-bench BASE TARGET
#include "engine/comparison.h"
#include "engine/make_list.h"
#include "ui/result_list.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>

namespace {

ResultList g_list;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code == LVN_GETDISPINFOA)
            return g_list.OnGetDispInfo(header);
        if (header->code == static_cast<UINT>(NM_CUSTOMDRAW))
            return g_list.OnCustomDraw(header);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The engine without a window: nothing to pump, nothing to show.
class QuietHost : public MakeListHost {
public:
    void PumpOneMessage() override {}
    bool Cancelled() const override { return false; }
    void ReportConversionFailure() override {}
    void SetProgress(int) override {}
    void FillResultList() override {}
    void UpdateSummary() override {}
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mirvalen-window-bench BASE TARGET\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MirvalenBench";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, wc.lpszClassName, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 840, 400,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA,
                                0, 0, 820, 360, parent, nullptr, wc.hInstance, nullptr);
    g_list.Attach(list);
    g_list.InitColumns();

    FixedInputs inputs;
    inputs.base = argv[1];
    inputs.target = argv[2];
    Comparison comparison;
    QuietHost host;
    RunListSteps(comparison, inputs, host);

    SIZE_T before = WorkingSet();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    g_list.Show(ResultRows(comparison, inputs.direction, inputs.sameHide));
    UpdateWindow(list);
    QueryPerformanceCounter(&end);
    SIZE_T after = WorkingSet();
    size_t rows = g_list.Rows().ShownCount();
    std::printf("rows shown\t%zu\t%.3f s\t%.1f bytes per row\n", rows, Seconds(start, end),
                rows ? double(after > before ? after - before : 0) / double(rows) : 0.0);
    DestroyWindow(parent);
    return 0;
}
