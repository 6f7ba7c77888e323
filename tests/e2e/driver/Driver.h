// Everything an end-to-end test needs: include this one header.
#pragma once

#include "Clipboard.h"
#include "CommonDialogs.h"
#include "ConsolePause.h"
#include "Drop.h"
#include "Files.h"
#include "FolderBrowser.h"
#include "Keys.h"
#include "Options.h"
#include "ProcessWindows.h"
#include "RemoteMemory.h"
#include "Screenshot.h"
#include "TarnixProcess.h"
#include "Wait.h"
#include "WindowText.h"
