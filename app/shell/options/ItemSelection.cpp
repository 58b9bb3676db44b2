#include "ItemSelection.h"

#include "SettingsStore.h"

#include <windows.h>

namespace nimbrel {

namespace {

using C = ItemCategory;
constexpr bool on = true;
// Off by default: mostly items whose traces are the user's own keepsakes
// (downloads, shared folders, sent mail, drafts, image databases, contact
// lists) and some saved passwords.
constexpr bool off = false;

// One row per item; the scan run keeps this order.
const std::vector<SelectionItem> kItems = {
    // Windows
    {C::Windows, L"Windows", L"Document History", on},
    {C::Windows, L"Windows", L"Find Search History", on},
    {C::Windows, L"Windows", L"Temp Folder", on},
    {C::Windows, L"Windows", L"Flush Recycle Bin", on},
    {C::Windows, L"Windows", L"Start Menu Click History", on},
    {C::Windows, L"Windows", L"Start Menu Order History", on},
    {C::Windows, L"Windows", L"Log Files", on},
    {C::Windows, L"Windows", L"Paging File", on},
    {C::Windows, L"Windows", L"Windows Temp Folder", on},
    {C::Windows, L"Windows", L"Run Command History", on},
    {C::Windows, L"Windows", L"Disk Error Log Files", on},
    {C::Windows, L"Windows", L"Download Temp Folder", on},
    {C::Windows, L"Windows", L"Temp Windows Update Folder", on},
    {C::Windows, L"Windows", L"Memory Dump File", on},
    {C::Windows, L"Windows", L"Burn Storage Folder", on},
    {C::Windows, L"Windows", L"Recent Log User", on},
    {C::Windows, L"Windows", L"Debug History", on},
    {C::Windows, L"Windows", L"Common Dialog History", on},
    {C::Windows, L"Windows", L"Paint Recently Opened Files List", on},
    {C::Windows, L"Windows", L"Network Connections", on},
    {C::Windows, L"Windows", L"Printer Connections", on},
    {C::Windows, L"Windows", L"Last Registry Key Viewed", on},
    {C::Windows, L"Windows", L"WordPad Recent History", on},

    // Internet browsers
    {C::InternetBrowsers, L"Internet Explorer", L"Temp Internet Folder", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Visited Sites", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Favorites", off},
    {C::InternetBrowsers, L"Internet Explorer", L"Cookies", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Start Page", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Index.dat", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Auto Complete Form Data", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Download Dir Memory", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Saved Dir Memory", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Update Log Files", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Saved Passwords", off},
    {C::InternetBrowsers, L"Internet Explorer", L"Downloaded Program Files", on},
    {C::InternetBrowsers, L"Internet Explorer", L"Address Bar History", on},
    {C::InternetBrowsers, L"Netscape", L"Cache", on},
    {C::InternetBrowsers, L"Netscape", L"Address Bar History", on},
    {C::InternetBrowsers, L"Netscape", L"Saved Forms History", on},
    {C::InternetBrowsers, L"Netscape", L"Cookies", on},
    {C::InternetBrowsers, L"Netscape", L"Search History", on},
    {C::InternetBrowsers, L"Netscape", L"Downloads History", on},
    {C::InternetBrowsers, L"Netscape", L"Data Card History", on},
    {C::InternetBrowsers, L"Netscape", L"Address Bar Password History", on},
    {C::InternetBrowsers, L"Opera", L"Cache", on},
    {C::InternetBrowsers, L"Opera", L"Visited Sites", on},
    {C::InternetBrowsers, L"Opera", L"Address Bar History", on},
    {C::InternetBrowsers, L"Opera", L"Cookies", on},
    {C::InternetBrowsers, L"Opera", L"Saved Passwords", on},
    {C::InternetBrowsers, L"Opera", L"Transfer History", on},
    {C::InternetBrowsers, L"AOL Browser", L"Address Bar History", off},
    {C::InternetBrowsers, L"AOL Browser", L"Internet Cache Folder", on},
    {C::InternetBrowsers, L"AOL Browser", L"History", off},
    {C::InternetBrowsers, L"AOL Browser", L"Cookies", off},
    {C::InternetBrowsers, L"Firefox", L"Browser History", on},
    {C::InternetBrowsers, L"Firefox", L"Saved Forms History", on},
    {C::InternetBrowsers, L"Firefox", L"Cache", on},
    {C::InternetBrowsers, L"Firefox", L"Downloads History", on},
    {C::InternetBrowsers, L"Firefox", L"Cookies", on},
    {C::InternetBrowsers, L"Firefox", L"Saved Passwords", off},
    {C::InternetBrowsers, L"Firefox", L"Key Passwords", off},

    // Instant messengers
    {C::InstantMessengers, L"ICQ 2003 b", L"Cache And Cookies", on},
    {C::InstantMessengers, L"ICQ 2003 b", L"Received Files", off},
    {C::InstantMessengers, L"ICQ 2003 b", L"Bookmarks", off},
    {C::InstantMessengers, L"ICQ 2003 b", L"Downloads", off},
    {C::InstantMessengers, L"ICQ 2003 b", L"Contact List", off},
    {C::InstantMessengers, L"ICQ 2003 b", L"Shared File", off},
    {C::InstantMessengers, L"ICQ 2003 b", L"Pictures", off},
    {C::InstantMessengers, L"ICQ 5.1", L"Chat History", on},
    {C::InstantMessengers, L"ICQ 5.1", L"Log Files", on},
    {C::InstantMessengers, L"ICQ 5.1", L"Received Files", off},
    {C::InstantMessengers, L"ICQ 5.1", L"Contact List", off},
    {C::InstantMessengers, L"ICQ 5.1", L"Browser Cache", on},
    {C::InstantMessengers, L"Yahoo", L"Cache", on},
    {C::InstantMessengers, L"Yahoo", L"Chat And Voice History", on},
    {C::InstantMessengers, L"Yahoo", L"Program Logs", on},
    {C::InstantMessengers, L"AOL", L"Chat History", on},
    {C::InstantMessengers, L"AOL", L"Received And Shared Files", off},
    {C::InstantMessengers, L"AOL", L"Recent Screen Name", on},
    {C::InstantMessengers, L"Skype", L"Voice And Chat History", on},
    {C::InstantMessengers, L"Skype", L"File Transfer History", on},
    {C::InstantMessengers, L"Skype", L"Voice Mail History", on},
    {C::InstantMessengers, L"Skype", L"Received Files", on},
    {C::InstantMessengers, L"Trillian", L"Chat Logs", on},
    {C::InstantMessengers, L"Trillian", L"Received Files", off},
    {C::InstantMessengers, L"MSN Messenger", L"Chat Logs And Received Files", on},
    {C::InstantMessengers, L"Google Talk", L"Chat Logs", on},
    {C::InstantMessengers, L"Gaim", L"Chat Logs", on},

    // MS Office
    {C::MSOffice, L"Office 2003", L"Word 2003", on},
    {C::MSOffice, L"Office 2003", L"Access 2003", on},
    {C::MSOffice, L"Office 2003", L"Excel 2003", on},
    {C::MSOffice, L"Office 2003", L"Visio 2003", on},
    {C::MSOffice, L"Office 2003", L"PowerPoint 2003", on},
    {C::MSOffice, L"Office 2003", L"Publisher 2003", on},
    {C::MSOffice, L"Office 2003", L"FrontPage 2003", on},
    {C::MSOffice, L"Office 2003", L"Project 2003", on},
    {C::MSOffice, L"Office 2003", L"Infopath 2003", on},
    {C::MSOffice, L"Office 2003", L"Clip Organizer", on},
    {C::MSOffice, L"Office 2003", L"Picture Manager", on},
    {C::MSOffice, L"Office 2003", L"SnapShot Viewer", on},
    {C::MSOffice, L"Office 2003", L"Saved Settings", on},
    {C::MSOffice, L"Office XP", L"Word XP", on},
    {C::MSOffice, L"Office XP", L"Excel XP", on},
    {C::MSOffice, L"Office XP", L"Access XP", on},
    {C::MSOffice, L"Office XP", L"PowerPoint XP", on},
    {C::MSOffice, L"Office XP", L"FrontPage XP", on},
    {C::MSOffice, L"Office 2000", L"Word 2000", on},
    {C::MSOffice, L"Office 2000", L"Excel 2000", on},
    {C::MSOffice, L"Office 2000", L"Access 2000", on},
    {C::MSOffice, L"Office 2000", L"PowerPoint 2000", on},
    {C::MSOffice, L"Office 2000", L"FrontPage 2000", on},
    {C::MSOffice, L"Office 97", L"Word 97", on},
    {C::MSOffice, L"Office 97", L"Excel 97", on},
    {C::MSOffice, L"Office 97", L"Access 97", on},
    {C::MSOffice, L"Office 97", L"PowerPoint 97", on},
    {C::MSOffice, L"Shared Resources", L"Recent Folder", on},
    {C::MSOffice, L"Shared Resources", L"Internet Server Cache", on},
    {C::MSOffice, L"Shared Resources", L"Search History", on},
    {C::MSOffice, L"Shared Resources", L"FrontPage All", on},

    // Multimedia
    {C::Multimedia, L"ACDSee 3", L"Image Database", off},
    {C::Multimedia, L"ACDSee 3", L"Path History", on},
    {C::Multimedia, L"ACDSee 3", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee 3", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee 3", L"Search History", on},
    {C::Multimedia, L"ACDSee 5", L"Image Database", off},
    {C::Multimedia, L"ACDSee 5", L"Path History", on},
    {C::Multimedia, L"ACDSee 5", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee 5", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee 5", L"Search History", on},
    {C::Multimedia, L"ACDSee 6", L"Image Database", off},
    {C::Multimedia, L"ACDSee 6", L"Path History", on},
    {C::Multimedia, L"ACDSee 6", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee 6", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee 6", L"Search History", on},
    {C::Multimedia, L"ACDSee 7", L"Image Database", off},
    {C::Multimedia, L"ACDSee 7", L"Simple Search History", on},
    {C::Multimedia, L"ACDSee 7", L"Path History", on},
    {C::Multimedia, L"ACDSee 7", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee 7", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee 7", L"Search History", on},
    {C::Multimedia, L"ACDSee 8", L"Image Database", off},
    {C::Multimedia, L"ACDSee 8", L"Simple Search History", on},
    {C::Multimedia, L"ACDSee 8", L"Path History", on},
    {C::Multimedia, L"ACDSee 8", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee 8", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee 8", L"Search History", on},
    {C::Multimedia, L"ACDSee 9", L"Image Database", off},
    {C::Multimedia, L"ACDSee 9", L"Simple Search History", on},
    {C::Multimedia, L"ACDSee 9", L"Path History", on},
    {C::Multimedia, L"ACDSee 9", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee 9", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee 9", L"Search History", on},
    {C::Multimedia, L"ACDSee Pro", L"Image Database", off},
    {C::Multimedia, L"ACDSee Pro", L"Image Cache", on},
    {C::Multimedia, L"ACDSee Pro", L"Simple Search History", on},
    {C::Multimedia, L"ACDSee Pro", L"Path History", on},
    {C::Multimedia, L"ACDSee Pro", L"Copy And Move", on},
    {C::Multimedia, L"ACDSee Pro", L"Last Opened Folder", on},
    {C::Multimedia, L"ACDSee Pro", L"Search History", on},
    {C::Multimedia, L"Windows Media Player", L"Recently Opened Files List", on},
    {C::Multimedia, L"Windows Media Player", L"Recently Opened URL List", on},
    {C::Multimedia, L"Windows Media Player", L"Cache", on},
    {C::Multimedia, L"Winamp", L"Recently Opened Files List", on},
    {C::Multimedia, L"Winamp", L"Bookmarks", on},
    {C::Multimedia, L"Winamp", L"Media Lib Views", on},
    {C::Multimedia, L"ACDSee Shared Resources", L"Favorites", off},
    {C::Multimedia, L"ACDSee Shared Resources", L"Last Saved Folder", on},
    {C::Multimedia, L"VLC Media Player", L"Cache", on},
    {C::Multimedia, L"Real Player", L"History", on},
    {C::Multimedia, L"Quick Time Player", L"Recently Opened Files List", on},
    {C::Multimedia, L"Quick Time Player", L"Recently Opened URL List", on},
    {C::Multimedia, L"Quick Time Player", L"Favorites", off},
    {C::Multimedia, L"DivX Player", L"Recently Opened Files List", on},
    {C::Multimedia, L"DivX Player", L"Movies Folder", off},

    // File sharing
    {C::FileSharing, L"Morpheus", L"Temp Folder", on},
    {C::FileSharing, L"Morpheus", L"Completed Downloads Folder", off},
    {C::FileSharing, L"Morpheus", L"Partial Downloads Folder", on},
    {C::FileSharing, L"Morpheus", L"Shared Folder", off},
    {C::FileSharing, L"Morpheus", L"Search Information", on},
    {C::FileSharing, L"Morpheus", L"Play Lists", on},
    {C::FileSharing, L"Morpheus", L"Podcasts", on},
    {C::FileSharing, L"Morpheus", L"Torrents", on},
    {C::FileSharing, L"Morpheus", L"Recently Played Video", on},
    {C::FileSharing, L"Morpheus", L"Recently Played Audio", on},
    {C::FileSharing, L"Morpheus", L"Search History", on},
    {C::FileSharing, L"Morpheus", L"Tool Cache", on},
    {C::FileSharing, L"Morpheus", L"Cache", on},
    {C::FileSharing, L"Morpheus", L"Logs", on},
    {C::FileSharing, L"Kazaa", L"Shared Folder", off},
    {C::FileSharing, L"Kazaa", L"File Transfers Information", on},
    {C::FileSharing, L"Kazaa", L"User Details Information", on},
    {C::FileSharing, L"Kazaa", L"Recently Opened Files List", on},
    {C::FileSharing, L"Kazaa", L"Personal File Organizer", on},
    {C::FileSharing, L"Kazaa", L"Search Information", on},
    {C::FileSharing, L"Kazaa", L"Search Agents", on},
    {C::FileSharing, L"Kazaa", L"Filters", on},
    {C::FileSharing, L"Bit Torrent", L"Downloads Folder", off},
    {C::FileSharing, L"Bit Torrent", L"Incomplete Folder", on},
    {C::FileSharing, L"Bit Torrent", L"Torrents", on},
    {C::FileSharing, L"Bit Torrent", L"Logs", on},
    {C::FileSharing, L"uTorrent", L"Torrents History", on},
    {C::FileSharing, L"uTorrent", L"Downloads Folder", off},
    {C::FileSharing, L"Azureus", L"Torrents", on},
    {C::FileSharing, L"Azureus", L"Downloads History", on},
    {C::FileSharing, L"Azureus", L"Shared File", on},
    {C::FileSharing, L"Azureus", L"Logs", on},
    {C::FileSharing, L"Limewire", L"Shared Folder", off},
    {C::FileSharing, L"Limewire", L"Incomplete Folder", on},
    {C::FileSharing, L"Limewire", L"Shared File Information", on},
    {C::FileSharing, L"Limewire", L"Channels", on},
    {C::FileSharing, L"Bit Comet", L"Downloads Folder", off},
    {C::FileSharing, L"Bit Comet", L"Torrents", on},
    {C::FileSharing, L"Bit Comet", L"Downloads History", on},
    {C::FileSharing, L"Bit Comet", L"Cache Folder", on},
    {C::FileSharing, L"Bit Comet", L"Database Folder", on},

    // Email
    {C::Email, L"Outlook 6.x", L"Deleted Mails", on},
    {C::Email, L"Outlook 6.x", L"Sent Mails", off},
    {C::Email, L"Thunderbird", L"Saved Passwords", off},
    {C::Email, L"Thunderbird", L"Key Database", off},
    {C::Email, L"Thunderbird", L"Sent Mails", off},
    {C::Email, L"Thunderbird", L"Trash Mails", on},
    {C::Email, L"Thunderbird", L"Drafts", off},
    {C::Email, L"Thunderbird", L"Unsent Mails", off},
    {C::Email, L"Thunderbird", L"Downloaded News", off},
    {C::Email, L"Eudora", L"Trash Folder", on},
    {C::Email, L"Eudora", L"Out Folder", off},
    {C::Email, L"Eudora", L"History of Email Address", on},
    {C::Email, L"Eudora", L"Cache", on},
    {C::Email, L"Eudora", L"Temporary Data", on},
    {C::Email, L"Eudora", L"Nick Names Used", off},
    {C::Email, L"Eudora", L"Logs", on},
    {C::Email, L"Eudora", L"Attachments", off},
    {C::Email, L"IncrediMail Xe", L"History of Email Users", on},
    {C::Email, L"IncrediMail Xe", L"Deleted Mails", on},
    {C::Email, L"IncrediMail Xe", L"Out Folder", off},
    {C::Email, L"IncrediMail Xe", L"Sent Folder", off},
    {C::Email, L"IncrediMail Xe", L"Drafts Folder", off},
    {C::Email, L"Pocomail", L"Cache Data", on},
    {C::Email, L"Pocomail", L"Attachments", off},
    {C::Email, L"Pocomail", L"History of Email Used", on},
    {C::Email, L"Pocomail", L"Trash Folder", on},
    {C::Email, L"Pocomail", L"Out Folder", off},
    {C::Email, L"Pocomail", L"Sent Folder", off},
    {C::Email, L"Pocomail", L"Drafts Folder", off},

    // Third-party applications
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 4", on},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 5", on},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 6", on},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 7", on},
    {C::ThirdParty, L"Google Desktop Search", L"Index And Data Folder", on},
    {C::ThirdParty, L"Google Desktop Search", L"Links Folder", on},
    {C::ThirdParty, L"Google Desktop Search", L"Temporary Folder", on},
    {C::ThirdParty, L"Google Desktop Search", L"Tool Bar Search History", on},
    {C::ThirdParty, L"Google Desktop Search", L"Don't Search These Items", on},
    {C::ThirdParty, L"Yahoo Desktop search", L"Index", on},
    {C::ThirdParty, L"Yahoo Desktop search", L"Saved Searches", on},
    {C::ThirdParty, L"Yahoo Desktop search", L"Logs", on},
    {C::ThirdParty, L"Windows Desktop Search", L"Index", on},
    {C::ThirdParty, L"Windows Desktop Search", L"Logs", on},
    {C::ThirdParty, L"AOL Desktop Search", L"Index", on},
    {C::ThirdParty, L"Macromedia Flash Player", L"History And Temp Files", on},
};

const CategoryLabels kLabels[kCategoryCount] = {
    {L"Windows", L"Windows"},
    {L"Internet Browsers", L"Internet Browsers"},
    {L"Instant Messaging", L"Instant Messaging"},
    {L"MS Office", L"MS Office"},
    {L"Multimedia", L"MultiMedia"},
    {L"File Sharing", L"File Sharing"},
    {L"Email", L"Emails"},
    {L"Third-Party Applications", L"Third Party Applications"},
};

bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

} // namespace

CategoryLabels LabelsOf(ItemCategory category) {
    return kLabels[static_cast<int>(category)];
}

const std::vector<SelectionItem>& SelectionItems() {
    return kItems;
}

std::vector<const SelectionItem*> ItemsOf(ItemCategory category) {
    std::vector<const SelectionItem*> items;
    for (const SelectionItem& item : kItems) {
        if (item.category == category) {
            items.push_back(&item);
        }
    }
    return items;
}

bool HasApplicationLevel(ItemCategory category) {
    return category != ItemCategory::Windows;
}

std::wstring SelectionValueName(const SelectionItem& item) {
    return std::wstring(item.group) + L" " + item.label;
}

const SelectionItem* FindSelectionItem(const std::wstring& valueName) {
    for (const SelectionItem& item : kItems) {
        if (SameNameIgnoringCase(SelectionValueName(item), valueName)) {
            return &item;
        }
    }
    return nullptr;
}

bool IsItemSelected(const std::wstring& product, const SelectionItem& item) {
    return GetInt(product, SelectionValueName(item)) != 0;
}

void SetItemSelected(const std::wstring& product, const SelectionItem& item, bool selected) {
    SetInt(product, SelectionValueName(item), selected ? 1 : 0);
}

void WriteDefaultSelection(const std::wstring& product) {
    for (const SelectionItem& item : kItems) {
        SetItemSelected(product, item, item.onByDefault);
    }
}

void WriteNothingSelected(const std::wstring& product) {
    for (const SelectionItem& item : kItems) {
        SetItemSelected(product, item, false);
    }
}

const std::vector<std::wstring>& ErasingChoices() {
    static const std::vector<std::wstring> choices = {
        L"Delete files without overwriting", L"Overwrite once (Quick)", L"Overwrite three times (Safe)",
        L"Overwrite seven times (Thorough)"};
    return choices;
}

int OverwritePassesFor(int erasingChoice) {
    static const int passes[] = {0, 1, 3, 7};
    return erasingChoice >= 0 && erasingChoice < 4 ? passes[erasingChoice] : 0;
}

} // namespace nimbrel
