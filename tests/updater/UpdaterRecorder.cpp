#include "UpdaterRecorder.h"

#include "support/UpdriftApp.h"

UpdaterRecorder* UpdaterRecorder::current = nullptr;

namespace {

const wchar_t kNull[] = L"<null>";

std::wstring OrNull(const wchar_t* text) {
    return text ? std::wstring(text) : std::wstring(kNull);
}

unsigned char RecordDecision(const wchar_t* component, const wchar_t* version) {
    UpdaterRecorder* r = UpdaterRecorder::current;
    r->questions.emplace_back(OrNull(component), OrNull(version));
    if (!component || !version) {
        return 1;
    }
    return !r->accept || r->accept(component, version) ? 1 : 0;
}

int RecordStatus(int code, const wchar_t* text) {
    UpdaterRecorder* r = UpdaterRecorder::current;
    r->statuses.push_back({code, text ? std::optional<std::wstring>(text) : std::nullopt});
    return 1;
}

int RecordMessage(const std::wstring& text, const std::wstring& caption, UINT type) {
    UpdaterRecorder::current->messages.push_back({text, caption, type});
    return IDOK;
}

} // namespace

UpdaterRecorder::UpdaterRecorder() {
    current = this;
    updrift::theApp.messageBox = &RecordMessage;
}

UpdaterRecorder::~UpdaterRecorder() {
    updrift::theApp.messageBox = nullptr;
    current = nullptr;
}

std::vector<int> UpdaterRecorder::Codes() const {
    std::vector<int> codes;
    for (const RecordedStatus& status : statuses) {
        codes.push_back(status.code);
    }
    return codes;
}

std::wstring UpdaterRecorder::TextOf(int code) const {
    for (auto it = statuses.rbegin(); it != statuses.rend(); ++it) {
        if (it->code == code) {
            return it->text.value_or(kNull);
        }
    }
    return L"<none>";
}

UpdriftDecideCallBack UpdaterRecorder::Decide() {
    return &RecordDecision;
}

UpdriftStatusCallBack UpdaterRecorder::Status() {
    return &RecordStatus;
}
