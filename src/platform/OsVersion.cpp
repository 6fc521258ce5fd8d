#include "OsVersion.h"

#include <cstdio>
#include <sys/utsname.h>

bool IsWindows9x() { return false; }

bool IsWindowsNT4Up()
{
    utsname info{};
    if (uname(&info) != 0) return false;
    int major = 0, minor = 0;
    if (std::sscanf(info.release, "%d.%d", &major, &minor) < 1) return false;
    return major > 2 || (major == 2 && minor >= 6);
}
