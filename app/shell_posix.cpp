#include "app/shell.h"

// No windows: the document has no frame and there is no dialog to show.

CSingleDocTemplate::FrameFactory MainFrameFactory(CWinApp&) { return {}; }

void RunVersionDialog() {}
