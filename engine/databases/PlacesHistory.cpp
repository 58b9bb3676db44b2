#include "databases/PlacesHistory.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace scrub {
namespace {

// Firefox 3.5's places (schema 8) to those of today's versions.
constexpr long long kOldestPlacesSchema = 8;
constexpr long long kNewestPlacesSchema = 80;

// The pages no bookmark, keyword, tag or other kept row refers to. Since
// Firefox 34 the page counts those references itself (foreign_count);
// older schemas are asked table by table, and both are asked where both are.
std::string RemovedPagesCondition(const Database& places) {
    std::string kept = "id IN (SELECT fk FROM moz_bookmarks WHERE fk NOT NULL)";
    if (places.HasColumn("moz_places", "foreign_count")) {
        kept += " OR foreign_count > 0";
    }
    if (places.HasTable("moz_keywords") && places.HasColumn("moz_keywords", "place_id")) {
        kept += " OR id IN (SELECT place_id FROM moz_keywords WHERE place_id NOT NULL)";
    }
    return "NOT (" + kept + ")";
}

bool ExecText(const Database& db, const std::string& sql) {
    return db.Exec(sql.c_str());
}

// Rows of tables that hold only history: every one goes.
constexpr const char* kHistoryOnlyTables[] = {"moz_historyvisits", "moz_historyvisits_extra",
                                              "moz_inputhistory", "moz_places_metadata",
                                              "moz_places_metadata_search_queries"};
// Tables whose rows belong to a page (place_id): those of removed pages go.
constexpr const char* kPerPageTables[] = {"moz_annos", "moz_places_extra"};

void HostOfAddressFunction(sqlite3_context* context, int, sqlite3_value** values) {
    const unsigned char* text = sqlite3_value_text(values[0]);
    const std::string host = HostOfAddress(text ? reinterpret_cast<const char*>(text) : "");
    sqlite3_result_text(context, host.c_str(), static_cast<int>(host.size()), SQLITE_TRANSIENT);
}

} // namespace

bool IsKnownPlaces(const Database& places) {
    const long long version = places.Integer("PRAGMA user_version", -1);
    return version >= kOldestPlacesSchema && version <= kNewestPlacesSchema &&
           places.HasTable("moz_places") && places.HasTable("moz_historyvisits") &&
           places.HasTable("moz_bookmarks") && places.HasColumn("moz_places", "url") &&
           places.HasColumn("moz_places", "visit_count") && places.HasColumn("moz_bookmarks", "fk");
}

long long HistoryEntries(const Database& places) {
    return places.Integer("SELECT count(*) FROM moz_historyvisits", 0);
}

bool HoldsHistory(const Database& places) {
    const std::string removable = "SELECT EXISTS (SELECT 1 FROM moz_places WHERE " +
                                  RemovedPagesCondition(places) +
                                  ") OR EXISTS (SELECT 1 FROM moz_places WHERE visit_count > 0 OR "
                                  "last_visit_date NOT NULL)";
    if (HistoryEntries(places) > 0 || places.Integer(removable.c_str(), 0) > 0) {
        return true;
    }
    return places.HasTable("moz_inputhistory") &&
           places.Integer("SELECT EXISTS (SELECT 1 FROM moz_inputhistory)", 0) > 0;
}

DatabaseState ClearHistory(const Database& places) {
    const std::string removed = RemovedPagesCondition(places);
    bool done =
        ExecText(places, "CREATE TEMP TABLE nimbrel_removed_pages (id INTEGER PRIMARY KEY)") &&
        ExecText(places, "INSERT INTO nimbrel_removed_pages SELECT id FROM moz_places WHERE " + removed);
    for (const char* table : kHistoryOnlyTables) {
        if (done && places.HasTable(table)) {
            done = ExecText(places, std::string("DELETE FROM ") + table);
        }
    }
    for (const char* table : kPerPageTables) {
        if (done && places.HasTable(table) && places.HasColumn(table, "place_id")) {
            done = ExecText(places, std::string("DELETE FROM ") + table +
                                        " WHERE place_id IN (SELECT id FROM nimbrel_removed_pages)");
        }
    }
    done =
        done && ExecText(places, "DELETE FROM moz_places WHERE id IN (SELECT id FROM nimbrel_removed_pages)");
    // The kept pages were never visited now. Firefox works out their rank
    // (frecency) again: queries rank 0, every other page waits for it.
    std::string reset = "UPDATE moz_places SET visit_count = 0, last_visit_date = NULL";
    if (places.HasColumn("moz_places", "typed")) {
        reset += ", typed = 0";
    }
    if (places.HasColumn("moz_places", "frecency")) {
        reset += ", frecency = CASE WHEN url LIKE 'place:%' THEN 0 ELSE -1 END";
    }
    if (places.HasColumn("moz_places", "recalc_frecency")) {
        reset += ", recalc_frecency = 1";
    }
    if (places.HasColumn("moz_places", "alt_frecency")) {
        reset += ", alt_frecency = NULL";
    }
    if (places.HasColumn("moz_places", "recalc_alt_frecency")) {
        reset += ", recalc_alt_frecency = 1";
    }
    done = done && ExecText(places, reset);
    if (done && places.HasTable("moz_origins") && places.HasColumn("moz_places", "origin_id")) {
        std::string origins = "UPDATE moz_origins SET frecency = 0";
        if (places.HasColumn("moz_origins", "recalc_frecency")) {
            origins += ", recalc_frecency = 1";
        }
        if (places.HasColumn("moz_origins", "alt_frecency")) {
            origins += ", alt_frecency = NULL";
        }
        if (places.HasColumn("moz_origins", "recalc_alt_frecency")) {
            origins += ", recalc_alt_frecency = 1";
        }
        done = ExecText(places, "DELETE FROM moz_origins WHERE id NOT IN "
                                "(SELECT origin_id FROM moz_places WHERE origin_id NOT NULL)") &&
               (!places.HasColumn("moz_origins", "frecency") || ExecText(places, origins));
    }
    // Before Firefox 55 the icons lived in places.sqlite itself.
    if (done && places.HasTable("moz_favicons") && places.HasColumn("moz_places", "favicon_id")) {
        done = ExecText(places, "DELETE FROM moz_favicons WHERE id NOT IN "
                                "(SELECT favicon_id FROM moz_places WHERE favicon_id NOT NULL)");
    }
    done = done && ExecText(places, "DROP TABLE nimbrel_removed_pages");
    return done ? DatabaseState::Ready : places.LastFailure();
}

std::unordered_set<std::string> KeptPages(const Database& places) {
    std::unordered_set<std::string> pages;
    places.EachText("SELECT url FROM moz_places", [&](const std::string& url) { pages.insert(url); });
    return pages;
}

bool IsKnownFavicons(const Database& favicons) {
    const long long version = favicons.Integer("PRAGMA user_version", -1);
    return version >= 0 && version <= kNewestPlacesSchema && favicons.HasTable("moz_icons") &&
           favicons.HasTable("moz_pages_w_icons") && favicons.HasTable("moz_icons_to_pages") &&
           favicons.HasColumn("moz_pages_w_icons", "page_url") && favicons.HasColumn("moz_icons", "root");
}

DatabaseState ClearIconsOfRemovedPages(const Database& favicons,
                                       const std::unordered_set<std::string>& keptPages) {
    bool done = favicons.Exec("CREATE TEMP TABLE nimbrel_kept_pages (url TEXT PRIMARY KEY)") &&
                favicons.Exec("CREATE TEMP TABLE nimbrel_kept_hosts (host TEXT PRIMARY KEY)");
    {
        win32::UniqueStatement page, host;
        done = done &&
               sqlite3_prepare_v2(favicons.Get(), "INSERT OR IGNORE INTO nimbrel_kept_pages VALUES (?1)", -1,
                                  page.Put(), nullptr) == SQLITE_OK &&
               sqlite3_prepare_v2(favicons.Get(), "INSERT OR IGNORE INTO nimbrel_kept_hosts VALUES (?1)", -1,
                                  host.Put(), nullptr) == SQLITE_OK;
        for (const std::string& url : keptPages) {
            if (!done) {
                break;
            }
            const std::string siteHost = HostOfAddress(url);
            sqlite3_bind_text(page.Get(), 1, url.c_str(), static_cast<int>(url.size()), SQLITE_STATIC);
            sqlite3_bind_text(host.Get(), 1, siteHost.c_str(), static_cast<int>(siteHost.size()),
                              SQLITE_STATIC);
            done = sqlite3_step(page.Get()) == SQLITE_DONE && sqlite3_step(host.Get()) == SQLITE_DONE;
            sqlite3_reset(page.Get());
            sqlite3_reset(host.Get());
        }
    }
    // The function is the engine's own, for this connection only.
    done = done && sqlite3_create_function(favicons.Get(), "nimbrel_host", 1,
                                           SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, nullptr,
                                           HostOfAddressFunction, nullptr, nullptr) == SQLITE_OK;
    done =
        done &&
        favicons.Exec(
            "DELETE FROM moz_pages_w_icons WHERE page_url NOT IN (SELECT url FROM nimbrel_kept_pages)") &&
        favicons.Exec(
            "DELETE FROM moz_icons_to_pages WHERE page_id NOT IN (SELECT id FROM moz_pages_w_icons)") &&
        favicons.Exec(
            "DELETE FROM moz_icons WHERE root = 0 AND id NOT IN (SELECT icon_id FROM moz_icons_to_pages)") &&
        // A site's own icon (its /favicon.ico) stays while a kept page is on that site.
        favicons.Exec(
            "DELETE FROM moz_icons WHERE root = 1 AND id NOT IN (SELECT icon_id FROM moz_icons_to_pages) "
            "AND nimbrel_host(icon_url) NOT IN (SELECT host FROM nimbrel_kept_hosts)") &&
        favicons.Exec("DROP TABLE nimbrel_kept_pages") && favicons.Exec("DROP TABLE nimbrel_kept_hosts");
    return done ? DatabaseState::Ready : favicons.LastFailure();
}

std::string HostOfAddress(const std::string& address) {
    const size_t scheme = address.find("://");
    if (scheme == std::string::npos) {
        return {};
    }
    size_t begin = scheme + 3;
    size_t end = address.find_first_of("/?#", begin);
    std::string host = address.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    const size_t user = host.rfind('@');
    if (user != std::string::npos) {
        host.erase(0, user + 1);
    }
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return host;
}

} // namespace scrub
