// The Shred page: the user collects files in a list and destroys them at
// one of three levels (Quick 1, Safe 3, Thorough 7 overwrite passes). Every
// file is checked before any is touched; a file that could not be
// destroyed stays in the list and is named.
#pragma once

#include "ControlPos.h"
#include "PageDialog.h"
#include "FileShredder.h"
#include "win32/GdiHandles.h"
#include "Label.h"
#include "ListBox.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace nimbrel {

class CAdvancedshred : public CPageDialog {
public:
    // `product` names the settings key ("shrct").
    explicit CAdvancedshred(std::wstring product);

    // The passes of the checked level, 0 when none is checked.
    int SelectedPasses() const;
    std::vector<std::wstring> ListedFiles() const;
    CFileShredder& Shredder() { return shredder_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnSize(UINT type, int width, int height) override;

private:
    void SetUpLabels();
    void SetUpLayout();
    void AddFile();
    void RemoveFile();
    // A click on a level's label: logged, then checked.
    void SelectLevel(size_t level);
    void CheckLevel(size_t level);
    void ShredFiles();
    // The lock test of every listed file, in list order.
    struct Refusals {
        std::vector<std::wstring> busy, links;
    };
    Refusals CheckListedFiles() const;
    // Shreds every listed file, last first; returns those that stayed.
    std::vector<std::wstring> ShredListedFiles(int passes);
    // The window is repainted and its messages are answered meanwhile.
    void ShowProgress(int file, int files, int pass, int passes, uint64_t written, uint64_t size);
    void FitListWidth();

    std::wstring product_;
    CFileShredder shredder_;
    CListBox list_;
    CLabel title_, hint_, levelHeading_, warning_;
    std::array<CLabel, 3> levelLabels_;
    CControlPos layout_;
    ULONGLONG progressShownAt_ = 0;
    std::optional<int> quitWhileShredding_; // a WM_QUIT's exit code, posted again afterwards
};

} // namespace nimbrel
