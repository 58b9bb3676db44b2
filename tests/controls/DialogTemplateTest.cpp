// Reading dialog templates in both forms, and refusing damaged ones.
#include "DialogTemplate.h"

#include "TestDialogIds.h"

#include <gtest/gtest.h>

using nimbrel::LoadDialogTemplate;
using nimbrel::ParseDialogTemplate;

TEST(DialogTemplate, ExtendedAndClassicFormsGiveTheSamePlaces) {
    const auto extended = LoadDialogTemplate(GetModuleHandleW(nullptr), IDD_LAYOUT);
    const auto classic = LoadDialogTemplate(GetModuleHandleW(nullptr), IDD_LAYOUT_CLASSIC);
    ASSERT_TRUE(extended && classic);

    for (const auto* info : {&*extended, &*classic}) {
        EXPECT_EQ(200, info->cx);
        EXPECT_EQ(120, info->cy);
        EXPECT_TRUE(info->hasFont);
        EXPECT_EQ(8, info->pointSize);
        EXPECT_EQ(L"MS Shell Dlg", info->face);
        ASSERT_GE(info->items.size(), 3u);
        EXPECT_EQ(0xFFFF, info->items[0].id) << "an unnamed label";
        EXPECT_EQ(
            (std::vector<short>{8, 100, 60, 8}),
            (std::vector<short>{info->items[0].x, info->items[0].y, info->items[0].cx, info->items[0].cy}));
        EXPECT_EQ(IDC_GROW, info->items[1].id);
        EXPECT_EQ(
            (std::vector<short>{8, 8, 120, 60}),
            (std::vector<short>{info->items[1].x, info->items[1].y, info->items[1].cx, info->items[1].cy}));
        EXPECT_EQ(IDC_RIGHT, info->items[2].id);
        EXPECT_EQ(150, info->items[2].x);
    }
    EXPECT_EQ(8u, extended->items.size());
    EXPECT_EQ(3u, classic->items.size());
    EXPECT_EQ(FW_NORMAL, extended->weight);
    EXPECT_EQ(1, extended->charset);
}

TEST(DialogTemplate, ATruncatedTemplateIsRefusedAtEveryLength) {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_LAYOUT), MAKEINTRESOURCEW(5));
    ASSERT_NE(nullptr, resource);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    const DWORD size = SizeofResource(nullptr, resource);
    // The resource may carry padding after the last control; everything
    // shorter than the last control's end must be refused.
    size_t whole = size;
    while (whole > 0 && ParseDialogTemplate(bytes, whole - 1)) {
        --whole;
    }
    EXPECT_GT(whole, size - 4u);
    for (size_t cut = 0; cut < whole; ++cut) {
        EXPECT_FALSE(ParseDialogTemplate(bytes, cut)) << cut << " bytes";
    }
    EXPECT_FALSE(LoadDialogTemplate(GetModuleHandleW(nullptr), 4999));
}
