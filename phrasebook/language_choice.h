// The user's choice of language, kept per user in the current user's
// registry: HKCU\Software\Brightwell\Phrasebook, "Language" (REG_SZ), the
// language's name as its file writes it between the brackets.
#pragma once

#include <string>

namespace phrasebook {

// The stored name, UTF-8; "" when there is none or it is not a string.
std::string StoredLanguage();

// Stores `language` (UTF-8) as the user's choice; false when it could not.
bool StoreLanguage(const std::string& language);

}  // namespace phrasebook
