// The ODBC headers, the same on every platform: Windows' sql.h relies on the
// types of windows.h, which unixODBC's does not need.
#pragma once

// clang-format off
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>
// clang-format on
