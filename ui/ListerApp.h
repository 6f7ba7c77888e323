// The application: starts the main dialog and ends when it closes.
#pragma once
#include "framework/WinApp.h"

class CListerApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
