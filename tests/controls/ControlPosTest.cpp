// The layout keeper: children follow the edges they are anchored to.
#include "ControlPos.h"
#include "DialogBase.h"

#include "ControlsTestSupport.h"
#include "TestProcess.h"
#include "TestDialogIds.h"

#include <gtest/gtest.h>

#include <map>

using namespace controls_tests;
using testing_support::PlaceOf;
using nimbrel::CControlPos;

// Rectangles compare and print by their edges (found by argument lookup,
// so they live beside RECT itself).
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

class ResizablePage : public nimbrel::CDialogBase {
public:
    ResizablePage() : CDialogBase(IDD_LAYOUT) {}
    CControlPos keeper;

protected:
    void OnSize(UINT, int, int) override { keeper.MoveControls(); }
};

class ControlPos : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.Create(nullptr));
        page.LayoutAtFixedDpi();
        page.keeper.SetParent(page.Hwnd());
        ASSERT_TRUE(page.keeper.AddControl(IDC_GROW, CControlPos::kStretchRight | CControlPos::kStretchDown));
        ASSERT_TRUE(page.keeper.AddControl(IDC_RIGHT, CControlPos::kMoveRight));
        ASSERT_TRUE(page.keeper.AddControl(IDC_BOTTOM, CControlPos::kMoveDown));
        ASSERT_TRUE(page.keeper.AddControl(page.Item(IDC_CORNER), 3));
        ASSERT_TRUE(page.keeper.AddControl(IDC_WIDE, 4));
        ASSERT_TRUE(page.keeper.AddControl(IDC_TALL, 8));
        for (int id : kIds) {
            before[id] = PlaceOf(page.Item(id));
        }
        GetClientRect(page.Hwnd(), &client);
    }
    void GrowBy(int dx, int dy) {
        RECT window{};
        GetWindowRect(page.Hwnd(), &window);
        SetWindowPos(page.Hwnd(), nullptr, 0, 0, window.right - window.left + dx,
                     window.bottom - window.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static RECT Shifted(RECT r, int left, int top, int right, int bottom) {
        return RECT{r.left + left, r.top + top, r.right + right, r.bottom + bottom};
    }
    static constexpr int kIds[] = {IDC_GROW, IDC_RIGHT, IDC_BOTTOM, IDC_CORNER, IDC_WIDE, IDC_TALL};
    ResizablePage page;
    std::map<int, RECT> before;
    RECT client{};
};

} // namespace

TEST_F(ControlPos, ChildrenFollowTheEdgesTheyAreAnchoredTo) {
    GrowBy(60, 40);
    EXPECT_EQ(Shifted(before[IDC_GROW], 0, 0, 60, 40), PlaceOf(page.Item(IDC_GROW)))
        << "flags 12 grow both ways";
    EXPECT_EQ(Shifted(before[IDC_RIGHT], 60, 0, 60, 0), PlaceOf(page.Item(IDC_RIGHT)))
        << "flag 1 moves right";
    EXPECT_EQ(Shifted(before[IDC_BOTTOM], 0, 40, 0, 40), PlaceOf(page.Item(IDC_BOTTOM)))
        << "flag 2 moves down";
    EXPECT_EQ(Shifted(before[IDC_CORNER], 60, 40, 60, 40), PlaceOf(page.Item(IDC_CORNER))) << "flags 3";
    EXPECT_EQ(Shifted(before[IDC_WIDE], 0, 0, 60, 0), PlaceOf(page.Item(IDC_WIDE))) << "flag 4 widens";
    EXPECT_EQ(Shifted(before[IDC_TALL], 0, 0, 0, 40), PlaceOf(page.Item(IDC_TALL))) << "flag 8 lengthens";

    RECT grown{};
    GetClientRect(page.Hwnd(), &grown);
    EXPECT_EQ(client.right - before[IDC_RIGHT].right, grown.right - PlaceOf(page.Item(IDC_RIGHT)).right)
        << "flag 1 keeps the distance to the right edge";
}

TEST_F(ControlPos, RepeatedResizingNeverMakesChildrenDrift) {
    for (int i = 0; i < 5; ++i) {
        GrowBy(30, 20);
    }
    GrowBy(-150, -100);
    for (int id : kIds) {
        EXPECT_EQ(before[id], PlaceOf(page.Item(id))) << "control " << id;
    }
}

TEST_F(ControlPos, BelowTheMinimumSizeChildrenStayWhereTheyAreAtIt) {
    page.keeper.SetMinimumSize(client.right, client.bottom);
    GrowBy(-50, -30);
    for (int id : kIds) {
        EXPECT_EQ(before[id], PlaceOf(page.Item(id))) << "control " << id;
    }
    GrowBy(80, 50); // 30 and 20 beyond the minimum
    EXPECT_EQ(Shifted(before[IDC_GROW], 0, 0, 30, 20), PlaceOf(page.Item(IDC_GROW)));
    EXPECT_EQ(Shifted(before[IDC_CORNER], 30, 20, 30, 20), PlaceOf(page.Item(IDC_CORNER)));
}

TEST_F(ControlPos, OnlyChildrenOfTheParentCanBeAnchored) {
    EXPECT_FALSE(page.keeper.AddControl(4998, 1)) << "no such control";
    EXPECT_FALSE(page.keeper.AddControl(GetDesktopWindow(), 1));
    CControlPos unset;
    EXPECT_FALSE(unset.AddControl(page.Item(IDC_GROW), 1)) << "no parent yet";
}
