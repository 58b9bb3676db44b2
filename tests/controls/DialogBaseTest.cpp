// The dialog base class: modal and modeless runs, which handler sees which
// message, and a window's wait for a job on another thread.
#include "DialogBase.h"
#include "MessagePump.h"

#include "ControlsTestSupport.h"
#include "TestDialogIds.h"

#include <gtest/gtest.h>

#include <functional>

using namespace controls_tests;

namespace {

class ScriptedDialog : public nimbrel::CDialogBase {
public:
    explicit ScriptedDialog(UINT id = IDD_MODAL) : CDialogBase(id) {}

    std::function<void(ScriptedDialog&)> onInit;
    std::function<bool(int id)> onCommand;
    std::vector<UINT_PTR> timers;
    bool sawOwnHandleAtInit = false;
    int destroyed = 0;

protected:
    BOOL OnInitDialog() override {
        sawOwnHandleAtInit = Hwnd() != nullptr && FromHandle(Hwnd()) == this;
        if (onInit) {
            onInit(*this);
        }
        return TRUE;
    }
    bool OnCommand(int id, int, HWND) override { return onCommand && onCommand(id); }
    void OnTimer(UINT_PTR id) override {
        timers.push_back(id);
        KillTimer(Hwnd(), id);
        EndDialog(42);
    }
    void OnDestroy() override { ++destroyed; }
};

} // namespace

TEST(DialogBase, AModalDialogRunsUntilItEndsAndReturnsItsResult) {
    ScriptedDialog dialog;
    dialog.onInit = [](ScriptedDialog& d) { SetTimer(d.Hwnd(), 7, 10, nullptr); };
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_TRUE(dialog.sawOwnHandleAtInit);
    EXPECT_EQ(std::vector<UINT_PTR>{7}, dialog.timers);
    EXPECT_EQ(1, dialog.destroyed);
    EXPECT_EQ(nullptr, dialog.Hwnd()) << "the object forgets its closed window";
}

TEST(DialogBase, EnterEndsAModalDialogWithOkAndTheCloseBoxWithCancel) {
    ScriptedDialog enter;
    enter.onInit = [](ScriptedDialog& d) { PostMessageW(d.Hwnd(), WM_COMMAND, IDOK, 0); };
    EXPECT_EQ(IDOK, enter.DoModal());

    ScriptedDialog close;
    close.onInit = [](ScriptedDialog& d) { PostMessageW(d.Hwnd(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(IDCANCEL, close.DoModal());
}

TEST(DialogBase, ACommandHandlerComesBeforeTheOkDefault) {
    ScriptedDialog dialog;
    int handled = 0;
    dialog.onCommand = [&](int id) {
        if (id == IDOK) {
            ++handled;
            PostMessageW(dialog.Hwnd(), WM_COMMAND, IDCANCEL, 0);
            return true; // this OK does not close the box
        }
        return false;
    };
    dialog.onInit = [](ScriptedDialog& d) { PostMessageW(d.Hwnd(), WM_COMMAND, IDOK, 0); };
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, handled);
}

TEST(DialogBase, AModelessPageIgnoresEnterAndEscapeAndGoesWithItsObject) {
    HWND window = nullptr;
    {
        ScriptedDialog page;
        ASSERT_TRUE(page.Create(nullptr));
        window = page.Hwnd();
        EXPECT_FALSE(page.Create(nullptr)) << "one window per object";
        SendMessageW(window, WM_COMMAND, IDOK, 0);
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        Pump();
        EXPECT_TRUE(IsWindow(window));
        EXPECT_EQ(0, page.destroyed);
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(DialogBase, AMissingTemplateFailsPlainly) {
    ScriptedDialog missing(4999);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(nullptr));
}

TEST(DialogBase, AWindowWaitingForAJobBesideItAnswersTakesNoInputAndKeepsAQuit) {
    for (const bool disabledBefore : {false, true}) {
        SCOPED_TRACE(disabledBefore ? "owner disabled before" : "owner enabled");
        ScriptedDialog page;
        ASSERT_TRUE(page.Create(nullptr));
        EnableWindow(page.Hwnd(), !disabledBefore);
        const DWORD waitingThread = GetCurrentThreadId();
        bool answered = false, tookInput = true;
        ASSERT_TRUE(nimbrel::RunBesideMessages(page.Hwnd(), [&] {
            DWORD_PTR unused = 0;
            answered = GetCurrentThreadId() != waitingThread &&
                       SendMessageTimeoutW(page.Hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &unused) != 0;
            tookInput = IsWindowEnabled(page.Hwnd()) != FALSE;
            PostThreadMessageW(waitingThread, WM_QUIT, 7, 0); // the program is asked to end meanwhile
            Sleep(100);
        }));
        EXPECT_TRUE(answered);
        EXPECT_FALSE(tookInput);
        EXPECT_EQ(!disabledBefore, IsWindowEnabled(page.Hwnd()) != FALSE);
        MSG quit = {};
        EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            << "posted again after the job";
        EXPECT_EQ(7u, quit.wParam);
    }
}
