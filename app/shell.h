#pragma once

#include "platform/document.h"
#include "platform/win_app.h"

// The program's windows, where the system has windows: the frame that the
// document template creates for the document (none elsewhere) and the
// version dialog.
CSingleDocTemplate::FrameFactory MainFrameFactory(CWinApp& app);
void RunVersionDialog();
