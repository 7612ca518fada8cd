#pragma once

#include "config_source.h"
#include "finding.h"
#include "vocabulary.h"

// The pitfalls of the element grammar: elements that swallow their neighbours or never close,
// items the grammar drops or makes unreachable, names and keys the menu does not know, keys
// given twice and numbers that are not plain decimals.
void CheckSyntax(const ConfigSource& source, const Vocabulary& vocabulary, Findings& findings);
