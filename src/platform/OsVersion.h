#pragma once
// The operating-system tests. Linux is a protected system like the NT family:
// "NT 4 or later" means a kernel of 2.6 or later; there is no 9x family here.

bool IsWindows9x();
bool IsWindowsNT4Up();
