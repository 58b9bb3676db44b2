// The Options page in a stand-in main window, and the user's mouse and
// keyboard on its trees and tabs.
#pragma once

#include "DialogBase.h"
#include "OptionsDlg.h"
#include "OptionsHost.h"
#include "TestProcess.h"
#include "TreeCtrl.h"

#include <functional>
#include <string>
#include <vector>

namespace options_tests {

// The settings key the tests' pages use, never the program's own.
extern const std::wstring kProduct;
extern const std::wstring kKey;

using testing_support::Pump;
// Pumps until the condition holds (false after the timeout).
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// A frame painted like the main window, holding the Options page where the
// main window puts it, and recording what the page asks of it.
class HostWindow : public nimbrel::CDialogBase, public nimbrel::IOptionsHost {
public:
    HostWindow();

    nimbrel::COptionsDlg page;
    int scansStarted = 0;
    int resultsShown = 0;
    int dashboardFlagsSet = 0;
    int rulesUpdates = 0;
    std::function<void()> onScanStarted;

    void StartScanFromOptions() override;
    void ShowLastScanResults() override;
    void SetDashboardFlag() override;
    void UpdateCommunityRules() override { ++rulesUpdates; }

protected:
    BOOL OnInitDialog() override;
    bool OnEraseBackground(HDC dc) override;
};

// The node at the end of a path of labels from the root ("Internet
// Browsers", "Opera", "Cookies"); null when there is none.
HTREEITEM FindNode(const nimbrel::CTreeCtrl& tree, const std::vector<std::wstring>& path);
std::vector<HTREEITEM> ChildrenOf(const nimbrel::CTreeCtrl& tree, HTREEITEM node);
// Every node of the tree, depth first.
std::vector<HTREEITEM> AllNodes(const nimbrel::CTreeCtrl& tree);

// The texts of a list written "first|second|third".
std::vector<std::wstring> Split(const std::wstring& list);
std::wstring TabText(HWND tabs, int index);

// A left click with the real mouse on a node's check box.
void ClickCheckBox(const nimbrel::CTreeCtrl& tree, HTREEITEM node);
// The space bar on a node, as the user selects it and presses the key.
void PressSpaceOn(const nimbrel::CTreeCtrl& tree, HTREEITEM node);
// A left click with the real mouse on a tab of the strip.
void ClickTab(HWND tabs, int index);

} // namespace options_tests
