// Records everything the updater tells its host and its user during one
// test: status reports, decision questions and message boxes (which it
// answers at once, so no test ever waits on one).
#pragma once

#include "updrift/Updrift.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct RecordedStatus {
    int code;
    std::optional<std::wstring> text; // nothing: a null text
};

struct RecordedMessage {
    std::wstring text;
    std::wstring caption;
    UINT type;
};

class UpdaterRecorder {
public:
    UpdaterRecorder();
    ~UpdaterRecorder();
    UpdaterRecorder(const UpdaterRecorder&) = delete;
    UpdaterRecorder& operator=(const UpdaterRecorder&) = delete;

    std::vector<RecordedStatus> statuses;
    // Every question: component and version, "<null>" for a null text.
    std::vector<std::pair<std::wstring, std::wstring>> questions;
    std::vector<RecordedMessage> messages;
    // Which offered updates the host takes (default: every one).
    std::function<bool(const std::wstring& component, const std::wstring& version)> accept;

    std::vector<int> Codes() const;
    // The text of the last status report with this code ("<null>" / "<none>").
    std::wstring TextOf(int code) const;

    static UpdriftDecideCallBack Decide();
    static UpdriftStatusCallBack Status();
    static UpdaterRecorder* current;
};

// The last status of a check: its code and text.
#define EXPECT_ENDS_WITH_STATUS(recorder, wantCode, wantText)                                                \
    do {                                                                                                     \
        ASSERT_FALSE((recorder).statuses.empty());                                                           \
        EXPECT_EQ((wantCode), (recorder).statuses.back().code);                                              \
        EXPECT_EQ(std::wstring(wantText), (recorder).statuses.back().text.value_or(L"<null>"));              \
    } while (0)
