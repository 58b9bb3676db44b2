// What the Options page asks of the window that holds it (the main window).
#pragma once

namespace nimbrel {

class IOptionsHost {
public:
    // "Start Scan": show the Scan page as its navigation button would, then
    // run a scan of the stored selection there.
    virtual void StartScanFromOptions() = 0;
    // "(View Last Scan Results)": show the results report as the Statistics
    // navigation button would.
    virtual void ShowLastScanResults() = 0;
    // The factory selection was written: the Scan button shows the
    // dashboard again.
    virtual void SetDashboardFlag() = 0;
    // The Community tab's "Update Rules": fetch the newest rules file, as
    // the main window's system menu does.
    virtual void UpdateCommunityRules() = 0;

protected:
    ~IOptionsHost() = default;
};

} // namespace nimbrel
