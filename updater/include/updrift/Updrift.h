// Updrift: the updater's exported interface.
//
// AuCheckForUpdates reads the update page, asks the host about every offered
// update, downloads the files of the accepted ones to a staging folder of
// its own inside the program folder and installs them: in the calling
// thread, or, when an update needs the program closed, in a separate
// "rundll32" process that waits for the program to end, installs and starts
// "Nimbrel.exe" again, while the calling process ends with exit code 0.
//
// The update page is line-based text: the number of entries, then per entry
// a header "component<TAB>version<TAB>file lines<TAB>restart flag" followed
// by its file lines "destination<TAB>join<TAB>size<TAB>address<TAB>archive
// flag<TAB>run flag".
//
// The server signs the page and every file: beside each address, the same
// address with ".sig" appended serves a detached ECDSA P-256 signature of
// the exact bytes (SHA-256, 64 bytes r then s). Only a signature of one of
// the vendor's keys built into the library, or of a key an administrator
// added under HKEY_LOCAL_MACHINE\SOFTWARE\Nimbrel\UpdateKeys, counts. A
// page or file whose signature is missing or wrong is refused as one that
// could not be downloaded, and the refusal is logged in "LOGS\Updrift.log"
// in the program folder.
#pragma once

#include <windows.h>

#if defined(UPDRIFT_BUILD)
#define UPDRIFT_API extern "C" __declspec(dllexport)
#else
#define UPDRIFT_API extern "C" __declspec(dllimport)
#endif

// The host passes the update page's address to AuCheckForUpdates; with a
// null or empty address the library finds it as the program does, from the
// server the settings name or else the vendor's (updrift/UpdatePage.h).

// Status codes, in the order a full check can report them.
enum UpdriftStatus {
    UPDRIFT_STATUS_CONNECTED = 1,        // Internet session open; the page is requested next
    UPDRIFT_STATUS_DOWNLOADING = 2,      // text: component name; one file of it is fetched next
    UPDRIFT_STATUS_COMPONENT_READY = 3,  // text: component name; all its files are downloaded
    UPDRIFT_STATUS_DOWNLOAD_FAILED = 4,  // text: component name; the check ends, nothing is installed
    UPDRIFT_STATUS_CHECKING = 7,         // first thing, before connecting
    UPDRIFT_STATUS_READY_TO_INSTALL = 8, // the downloads are listed; installation follows
    UPDRIFT_STATUS_ERROR = 10,           // text: one of the error texts below; the check ends
    UPDRIFT_STATUS_FINISHED = 11,        // the check ended normally (with or without updates)
};

#define UPDRIFT_TEXT_CANNOT_CONNECT L"Unable to connect to update server ..."
#define UPDRIFT_TEXT_BAD_INFORMATION L"Error occured while downloading info."
// The program folder cannot take new files (a user without the right to
// change it): nothing is downloaded, and no restart is asked for.
#define UPDRIFT_TEXT_CANNOT_INSTALL L"The update cannot be installed: the program folder cannot be changed."

// Asked once with two null texts when the page has been read (the answer is
// ignored), then once per offered update with its component name and version
// text: not 0 takes the update. The texts are valid during the call only.
typedef unsigned char (*UpdriftDecideCallBack)(const wchar_t* component, const wchar_t* version);
// Told every step: a status code above and a text that may be null (valid
// during the call only). The result is ignored.
typedef int (*UpdriftStatusCallBack)(int code, const wchar_t* text);

// Runs one whole check on the caller's thread and calls both callbacks on
// it; a host with a window calls it from a worker thread. Only one check may
// run at a time in a process. When a separate installation process is
// needed, the call does not return: the process ends with exit code 0.
UPDRIFT_API void AuCheckForUpdates(const wchar_t* url, UpdriftDecideCallBack decide,
                                   UpdriftStatusCallBack status);

// Installs what the last check downloaded into the folder that holds this
// library, after the program (its single-instance lock "Nimbrel") has
// ended, then starts "Nimbrel.exe" from that folder. Shaped for "rundll32
// Updrift.dll,InstallUpdates <staging folder>": the command line names the
// check's staging folder in that folder, which holds the list
// "updatetmp.tmp". Every download is checked against its signature again
// right before it is put in place; one that no longer matches stops the
// whole installation. This library, loaded while it runs, is replaced too:
// the old copy is moved aside and removed at the next update (or the
// system's next start). Returns 1 when the list's files were installed, 0
// otherwise.
UPDRIFT_API int CALLBACK InstallUpdates(HWND window, HINSTANCE instance, LPSTR commandLine, int show);

// Copies the file at the address into a new file at `path` (replacing one
// that is there), through the same client and the same address rule as the
// update check: "https://", or plain "http://" to this machine itself.
// Returns 1 when the whole file arrived; 0 otherwise, and nothing is left
// at `path`. The file is not signed: the caller decides whether its bytes
// are what it asked for (the community rules file, which the program reads
// as data, never runs).
UPDRIFT_API int AuDownloadFile(const wchar_t* url, const wchar_t* path);
