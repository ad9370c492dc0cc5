// The window's texts, fields, settings and favourites are Shift-JIS through the
// ...A functions, which convert with the system's ANSI code page: the window
// runs only where that code page is 932. (The command-line tool converts with
// 932 by name and runs under any code page.)
#pragma once

// True where the system's ANSI code page is 932. Anywhere else it tells the
// user why the window does not start and how to set the system up, in UTF-16,
// which every system shows, and returns false having changed nothing.
bool WindowCanRunHere();
