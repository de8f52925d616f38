// The Windows API for the Win32 backend, without the A/W macros that would rename the framework's
// own functions of the same names (LoadString, MessageBox, GetDlgItemText and the rest).
#pragma once

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>
#include <uxtheme.h>
// clang-format on

#undef GetDlgItemText
#undef GetWindowText
#undef LoadString
#undef MessageBox
#undef SetDlgItemText
