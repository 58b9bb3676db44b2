// Internet Explorer keeps its cookies as one small text file per site:
// "user@example[1].txt" up to Windows 7, a random name since, with the site
// inside. While the user keeps some sites' cookies, their files stay.
#pragma once

#include "files/FilePrimitives.h"

namespace scrub {

// Lets through every file of a cookie folder but a kept site's cookie file.
const FileTest& CookieFilesOfOtherSites();

} // namespace scrub
