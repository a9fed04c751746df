#include "OutOfMemory.h"

#include "Application.h"
#include "FrameworkMessage.h"
#include "resource.h"

#include <windows.h>

namespace shell {

// Nothing here allocates: the text is copied to the stack, the caption is the name already held.
void endOutOfMemory()
{
    messageBox(nullptr, FrameworkMessage(IDS_OUT_OF_MEMORY).text(), nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ::ExitProcess(kOutOfMemoryExitCode);
}

}  // namespace shell
