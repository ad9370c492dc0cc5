// Dialog data exchange and validation: plain functions that DoDataExchange calls
// in order. Saving stops at the first control that fails: its message (the
// program's text, framework/string_ids.h) is shown, the focus goes back to it,
// and the fields after it keep their values.
#pragma once
#include <windows.h>
#include <string>

struct DataExchange {
    HWND dialog;
    bool saving;        // controls -> fields when true, fields -> controls when false
    bool failed = false;

    // Shows the message and puts the focus back on the control; later calls do nothing.
    void Fail(int controlId, const std::string& message);
};

void DdxCheck(DataExchange& dx, int id, int& value);
// An edit holding a signed decimal integer within [minimum, maximum].
void DdxIntRange(DataExchange& dx, int id, int& value, int minimum, int maximum);
// An edit holding at most maxChars characters (the control is limited to it too).
void DdxTextMax(DataExchange& dx, int id, std::string& value, int maxChars);
