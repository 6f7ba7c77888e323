// The flag type of the dialog's members: a 32-bit integer, 0 or 1 for a check box.
#pragma once
#include <cstdint>

typedef int BOOL;
#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif
