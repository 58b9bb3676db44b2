// What the scan page and the results report ask of the window that holds
// them (the main window): moving the user between pages, the navigation
// column, the main window's size, and the choices of the Options page.
#pragma once

#include <string>

namespace nimbrel {

class IWorkflowHost {
public:
    // While set, the Scan navigation button shows the dashboard; while
    // clear, the scan page with its results.
    virtual bool IsDashboardShown() const = 0;
    virtual void SetDashboardShown(bool shown) = 0;

    virtual void ShowOptionsPage() = 0;
    // The Scan navigation button's page (dashboard or scan page). With
    // `evenIfShown`, the page is shown afresh even when Scan is the page
    // shown already.
    virtual void ShowScanPage(bool evenIfShown = false) = 0;
    virtual void ShowStatisticsPage() = 0;
    // Shows the scan page itself where the dashboard was (a run has begun).
    virtual void ShowScanPageInPlaceOfDashboard() = 0;

    virtual void EnableNavigation(bool enabled) = 0;
    virtual void MinimiseMainWindow() = 0;
    virtual void RestoreMainWindow() = 0;
    virtual void HidePreviewPanel() = 0;
    // Shows the picture file over the found items; false (and nothing
    // shown) when it holds no picture to show.
    virtual bool ShowPreviewImage(const std::wstring& path) = 0;

    // The overwrite passes chosen under "When erasing" (0, 1, 3 or 7).
    virtual int OverwritePasses() const = 0;
    // The results report forgets the found and cleaned figures and shows
    // what is left.
    virtual void ResetStatistics() = 0;

protected:
    ~IWorkflowHost() = default;
};

} // namespace nimbrel
