#pragma once

#include "disc_files.h"
#include "finding.h"

// What breaks once the folder is pressed: names Joliet cuts, paths Windows cannot open, names
// only letter case tells apart, and an autorun.inf that does not start the menu.
void CheckDiscLayout(const DiscFiles& disc, Findings& findings);

// "version.dat": keys the menu does not find and numbers it reads otherwise.
void CheckVersionFile(const DiscFiles& disc, Findings& findings);
