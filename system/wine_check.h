// Whether the program runs under Wine. Some mechanisms pay only there (a
// second process to walk a tree or copy files side by side, a folder of its
// own for temporary files in a large folder): on Windows they would cost
// process starts and hidden folders in the user's data for nothing.
#pragma once

// True under Wine: its ntdll exports wine_get_version, which Windows' does not.
bool RunningUnderWine();
