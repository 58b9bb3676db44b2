// Identifiers of the options tests' own dialog template.
#pragma once

#define IDD_OPTIONS_TEST_HOST 3301
