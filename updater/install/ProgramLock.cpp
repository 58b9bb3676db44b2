#include "install/ProgramLock.h"

#include "win32/Handles.h"

namespace updrift {

bool WaitForProgramToEnd(DWORD timeoutMs) {
    win32::UniqueKernelHandle lock(OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kProgramLockName));
    if (!lock) {
        lock.Reset(OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kEarlierProgramLockName));
    }
    if (!lock) {
        return true; // no program holds it: nothing to wait for
    }
    const DWORD result = WaitForSingleObject(lock.Get(), timeoutMs);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
        // Only a look: the restarted program must be able to take it.
        ReleaseMutex(lock.Get());
        return true;
    }
    return false;
}

} // namespace updrift
