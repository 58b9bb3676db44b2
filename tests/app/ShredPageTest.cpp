// The Shred page in the main window inside the test program: the list and
// its messages, the levels, and shredding that touches nothing while a
// listed file is busy or a link, and names every file it could not shred.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"

#include "NimbrelControlDlg.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace app_tests;
using namespace testing_support;

namespace {

// A window of the test's own that notes a message posted to it.
class Listener {
public:
    Listener() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_APP) {
                answered = true;
            }
            return DefWindowProcW(hwnd, message, wParam, lParam);
        };
        windowClass.lpszClassName = L"ShredPageTestListener";
        RegisterClassW(&windowClass);
        hwnd_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                nullptr, nullptr);
    }
    ~Listener() { DestroyWindow(hwnd_); }
    void Post() {
        answered = false;
        PostMessageW(hwnd_, WM_APP, 0, 0);
    }
    static inline bool answered = false;

private:
    HWND hwnd_ = nullptr;
};

std::wstring Upper(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), ::towupper);
    return text;
}

class ShredPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(nullptr));
        ShowWindow(window.Hwnd(), SW_SHOW);
        SendMessageW(FindChild(window.Hwnd(), IDC_SHRED_BUTTON), BM_CLICK, 0, 0);
        Pump();
    }
    nimbrel::CAdvancedshred& Page() { return window.ShredPage(); }
    void Click(int id) { SendMessageW(Page().Item(id), BM_CLICK, 0, 0); }
    void Add(const std::vector<std::wstring>& files) {
        desktop.ChooseFiles(files);
        for (size_t i = 0; i < files.size(); ++i) {
            Click(IDC_SHRED_ADD);
        }
    }
    void Select(const std::wstring& listed) {
        const auto files = Page().ListedFiles();
        const auto at = std::find(files.begin(), files.end(), listed);
        SendDlgItemMessageW(
            Page().Hwnd(), IDC_SHRED_LIST, LB_SETCURSEL,
            at == files.end() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at - files.begin()), 0);
    }
    std::wstring LastMessage() const {
        const auto messages = desktop.Messages();
        return messages.empty() ? L"" : messages.back().text;
    }
    UINT LastMessageType() const { return desktop.Messages().empty() ? 0 : desktop.Messages().back().type; }

    CleanSettings settings;
    DesktopWatch desktop;
    TestFolder folder;
    nimbrel::CNimbrelControlDlg window{1};
};

} // namespace

TEST_F(ShredPage, TheListHoldsEachFileOnceAndTheLevelLabelsChooseTheLevel) {
    const std::wstring letter = folder.File(L"Letters\\To Bank.doc", 3000);
    const std::wstring diary = folder.File(L"diary.txt", 200);
    EXPECT_TRUE(IsWindowVisible(Page().Hwnd()));
    EXPECT_EQ(Page().SelectedPasses(), 1) << "Quick when the page is made";

    Add({letter, diary, Upper(letter)});
    Click(IDC_SHRED_ADD); // the user cancels the dialog
    EXPECT_EQ(desktop.FileDialogTitles(), std::vector<std::wstring>(4, L"Scrubcore - Select Files"));
    EXPECT_EQ(Page().ListedFiles(), (std::vector<std::wstring>{diary, letter})) << "kept sorted";
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), Upper(letter) + L" file has already been added to the list");
    EXPECT_EQ(LastMessageType(), static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));

    PostMouseClick(Page().Item(IDC_SHRED_THOROUGH_LABEL));
    Pump();
    EXPECT_EQ(Page().SelectedPasses(), 7);
    EXPECT_EQ(IsDlgButtonChecked(Page().Hwnd(), IDC_SHRED_QUICK), static_cast<UINT>(BST_UNCHECKED));
    Click(IDC_SHRED_SAFE);
    EXPECT_EQ(Page().SelectedPasses(), 3);
    EXPECT_EQ(IsDlgButtonChecked(Page().Hwnd(), IDC_SHRED_THOROUGH), static_cast<UINT>(BST_UNCHECKED));
    SaveSettledScreenshot(L"shred-page");

    Select(L"");
    Click(IDC_SHRED_REMOVE);
    EXPECT_EQ(LastMessage(), L"Please select a file form list");
    Select(diary);
    Click(IDC_SHRED_REMOVE);
    Select(letter);
    Click(IDC_SHRED_REMOVE);
    EXPECT_TRUE(Page().ListedFiles().empty());
    Click(IDC_SHRED_REMOVE);
    EXPECT_EQ(LastMessage(), L"No files removed from the list. List is empty.");
    Click(IDC_SHRED_FILES);
    EXPECT_EQ(LastMessage(), L"List is empty. Click Add Files button to add files to the list.");
    EXPECT_EQ(LastMessageType(), static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(desktop.Messages().size(), 4u);
    EXPECT_TRUE(FileExists(letter) && FileExists(diary));
}

TEST_F(ShredPage, NothingIsShreddedWhileAFileIsBusyOrALinkAndWhatCouldNotBeShreddedStays) {
    const std::wstring readOnly = folder.File(L"a read only.txt", 100, FILE_ATTRIBUTE_READONLY);
    const std::wstring inUse = folder.File(L"b in use.doc", 2000);
    const std::wstring target = folder.FileWithContent(L"elsewhere\\boot.ini", "[boot loader]");
    const std::wstring link = folder.Path(L"c notes.txt");
    ASSERT_TRUE(MakeUnixSymlink(target, link));
    const std::wstring photo = folder.File(L"d photo.jpg", 70000);
    auto elsewhere = std::make_unique<HeldOpen>(inUse, GENERIC_READ, FILE_SHARE_READ);
    Add({readOnly, inUse, photo});

    // Cancel asks nothing more.
    desktop.Answer(IDCANCEL);
    Click(IDC_SHRED_FILES);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(LastMessageType(), static_cast<UINT>(MB_OKCANCEL));
    desktop.Answer(IDOK);
    Click(IDC_SHRED_FILES);
    EXPECT_EQ(LastMessage(), L"Some other process is already using the following file(s) \n" + readOnly +
                                 L", " + inUse + L".\n Please close these file(s) then processed.");
    EXPECT_EQ(LastMessageType(), static_cast<UINT>(MB_OK));

    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    elsewhere.reset();
    Add({link});
    Click(IDC_SHRED_FILES);
    EXPECT_EQ(LastMessage(),
              L"The following file(s) are links or have more than one name on the disk; shredding them could "
              L"destroy other files:\n" +
                  link + L".\nNothing has been shredded. Please remove these file(s) from the list.");
    EXPECT_EQ(ReadAll(target), "[boot loader]");
    EXPECT_EQ(Page().ListedFiles().size(), 4u);
    EXPECT_TRUE(FileExists(readOnly) && FileExists(inUse) && FileExists(photo));
    EXPECT_EQ(settings.Get(L"shrct"), L"(absent)");

    // The last file is shredded first; meanwhile another program opens the
    // first one.
    Select(link);
    Click(IDC_SHRED_REMOVE);
    Page().Shredder().SetPassHook([&](HANDLE, int) {
        if (!elsewhere) {
            elsewhere = std::make_unique<HeldOpen>(readOnly, GENERIC_READ, FILE_SHARE_READ);
        }
    });
    Click(IDC_SHRED_FILES);
    EXPECT_EQ(settings.Get(L"shrct"), L"3");
    EXPECT_EQ(LastMessage(), L"The following file(s) could not be shredded and are still in the list:\n" +
                                 readOnly + L".\nPlease close them in every program and try again.");
    EXPECT_EQ(Page().ListedFiles(), std::vector<std::wstring>{readOnly});
    EXPECT_FALSE(FileExists(inUse) || FileExists(photo));
    EXPECT_EQ(FileSize(readOnly), 100u);

    // A large file takes a while: meanwhile the window answers its
    // messages and shows the progress, and nothing in it can be clicked.
    elsewhere.reset();
    Add({folder.File(L"e film.avi", 3 << 20)});
    std::vector<std::wstring> progress;
    Listener listener;
    Page().Shredder().SetPassHook([&](HANDLE, int pass) {
        EXPECT_FALSE(IsWindowEnabled(window.Hwnd()));
        progress.push_back(nimbrel::CWindow(Page().Item(IDC_SHRED_WARNING)).Text());
        if (pass > 1) {
            EXPECT_TRUE(Listener::answered) << "messages wait until the shredding ends";
        }
        if (progress.size() == 2) {
            SaveSettledScreenshot(L"shred-progress");
        }
        listener.Post();
    });
    PostMouseClick(Page().Item(IDC_SHRED_SAFE_LABEL));
    Pump();
    Click(IDC_SHRED_FILES);
    ASSERT_EQ(progress.size(), 6u);
    EXPECT_EQ(progress[2], L"Shredding file 1 of 2: pass 3 of 3, 100% written. Please wait...");
    EXPECT_EQ(progress[5], L"Shredding file 2 of 2: pass 3 of 3, 100% written. Please wait...");
    EXPECT_EQ(nimbrel::CWindow(Page().Item(IDC_SHRED_WARNING)).Text(),
              L"Warning: File(s) once deleted cannot be recovered.");
    EXPECT_TRUE(IsWindowEnabled(window.Hwnd()));
    EXPECT_EQ(LastMessage(), L"All the selected files have been successfully shredded.");
    EXPECT_EQ(LastMessageType(), static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(Page().ListedFiles().empty());
    EXPECT_EQ(Snapshot(folder.Path()),
              (std::vector<std::wstring>{L"c notes.txt|13", L"elsewhere\\", L"elsewhere\\boot.ini|13"}))
        << "the link, left alone, and its target";
}
