// Resource and control IDs of the language choice dialog, shared by its
// template and its code.
#pragma once

#define PHRASEBOOK_LANGUAGE_DIALOG 1
#define PHRASEBOOK_LANGUAGE_LIST 100
#define PHRASEBOOK_LANGUAGE_PROMPT 101
