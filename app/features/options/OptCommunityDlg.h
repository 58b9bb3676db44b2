// The Community tab: the entries of the community rules file whose program
// is found on this machine, as a tree like the other tabs' (the groups the
// file names, the entries below them), every one off until the user ticks
// it. A search box narrows the tree to the entries whose name or group
// holds its text, "Tick all in this group" ticks the entries of the
// selected group, an entry with a warning asks before it is ticked, and a
// line below tells how many entries the file had, how many apply here and
// how many were skipped.
//
// The rules file is read when the tab is first shown, never for the
// program's start.
#pragma once

#include "ControlPos.h"
#include "OptCategoryDlg.h"

#include <map>

namespace nimbrel {

class COptCommunityDlg : public COptCategoryDlg {
public:
    explicit COptCommunityDlg(std::wstring product);

    // Nothing happens before the tab was first shown: the file is not read
    // for it.
    void LoadTree() override;
    void SaveTree() override;
    // The rules file was read again (a newer one came): the tree shows its
    // entries, with the choices stored for them.
    void RulesChanged();

    // Timer 102: the first read of the rules, just after the tab shows.
    static constexpr UINT_PTR kReadTimer = 102;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int width, int height) override;
    void OnShowWindow(bool shown) override;
    // The tree's white around the search box and the figures, as on the
    // other tabs, which the tree fills.
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void PrepareTree() override {}
    void CheckChanged(HTREEITEM node) override;

private:
    void ReadRules();
    void ShowSummary();
    // The tree for the search box's text, every box from the choices made.
    void Rebuild();
    // The boxes the tree shows now, into the choices made.
    void KeepChecks();
    bool Matches(const SelectionItem& item) const;
    // The group node of the selection (itself or an entry's); null when the
    // root or nothing is selected.
    HTREEITEM SelectedGroup() const;
    void TickAllInSelectedGroup();
    // Whether the user lets the entry be ticked (asked when it has a warning).
    bool MayTick(const SelectionItem& item);

    CControlPos layout_;
    bool readRequested_ = false;
    bool built_ = false;
    std::wstring search_;
    // The user's choices, also of the entries the search hides; stored when
    // the tab is left.
    std::map<const SelectionItem*, bool> choices_;
};

} // namespace nimbrel
