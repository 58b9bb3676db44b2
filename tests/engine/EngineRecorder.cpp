#include "EngineRecorder.h"

#include <algorithm>

EngineRecorder* EngineRecorder::current = nullptr;

namespace {

int RecordFound(BSTR text, int flag) {
    EngineRecorder* r = EngineRecorder::current;
    const std::wstring copy(text, SysStringLen(text));
    r->found.push_back(copy);
    r->flags.push_back(flag);
    if (r->onFound) {
        r->onFound(copy);
    }
    return 0;
}

int RecordPump() {
    EngineRecorder* r = EngineRecorder::current;
    ++r->pumps;
    if (r->onPump) {
        r->onPump();
    }
    return 0;
}

int RecordMessage(const std::wstring& text, const std::wstring& caption, UINT type) {
    EngineRecorder* r = EngineRecorder::current;
    r->messages.push_back({text, caption, type});
    if (r->onMessage) {
        r->onMessage();
    }
    return r->messageAnswer;
}

} // namespace

EngineRecorder::EngineRecorder() {
    current = this;
    scrub::CScrubcoreApp& app = scrub::theApp;
    app.deleteMode = false;
    app.stopRequested = false;
    app.indexDatPass = false;
    app.countedFiles = 0;
    app.registryValues = 0;
    app.totalKilobytes = 0;
    app.lastCleanedSize = 0;
    app.fixedDrives.clear();
    app.ForgetReportedTraces();
    app.browsersAskedToClose.clear();
    app.profileFolders.clear();
    app.messageBox = &RecordMessage;
    Scrubcore_SetScanCallBack(&RecordFound);
    Scrubcore_SetProcessMessage(&RecordPump);
    pumps = 0; // the registration call itself
}

EngineRecorder::~EngineRecorder() {
    scrub::CScrubcoreApp& app = scrub::theApp;
    app.scanCallback = nullptr;
    app.processMessage = nullptr;
    app.messageBox = nullptr;
    app.afterOpenTest = nullptr;
    app.walkPool.UseThreads(0);
    app.deleteMode = false;
    app.stopRequested = false;
    app.indexDatPass = false;
    current = nullptr;
}

size_t EngineRecorder::Count(const std::wstring& text) const {
    return static_cast<size_t>(std::count(found.begin(), found.end(), text));
}

std::vector<std::wstring> EngineRecorder::FoundUnder(const std::wstring& prefix) const {
    std::vector<std::wstring> out;
    for (const auto& text : found) {
        if (text.compare(0, prefix.size(), prefix) == 0) {
            out.push_back(text);
        }
    }
    return out;
}

std::string EngineRecorder::SizeText() {
    char text[SCRUBCORE_FILES_SIZE_TEXT_MAX] = {};
    Privacy_GetFilesSize(text);
    return text;
}

void EngineRecorder::Clear() {
    // A fresh recording is a fresh count: traces reported before are
    // reported again.
    scrub::theApp.ForgetReportedTraces();
    found.clear();
    flags.clear();
    pumps = 0;
    messages.clear();
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}
