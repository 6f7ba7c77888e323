// Control ids of the harness stub; the same numbers as the real Tarnix dialog.
#pragma once

#define IDD_STUB_DIALOG 102
#define IDC_OUTPUT 1000
#define IDC_FORMAT 1002
#define IDC_SAVE 1010
#define IDC_COPY 1011
#define IDC_RUN 1012
#define IDC_UNIX_SLASHES 1013
#define IDC_ALWAYS_ON_TOP 1014
