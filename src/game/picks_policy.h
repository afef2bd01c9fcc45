// Whether saved picks are final or may be changed until the lock-out: the
// administrator's choice, made beside the admission policy.
#pragma once

#include <string>
#include <string_view>

class FileBatch;

// The words of the picks policy file; no file, or any other word, is final.
inline constexpr char kPicksFinal[] = "FINAL";
inline constexpr char kPicksMayChange[] = "CHANGE";

// kPicksFinal or kPicksMayChange, as stored.
std::string StoredPicksPolicy();
bool SavedPicksMayChange();
// Stores policy with the batch when it is one of the two words; any other
// value (a form from before the choice existed sends none) keeps the stored one.
void SavePicksPolicy(FileBatch& batch, const std::string& policy);

// The action that saves picks in place of the player's saved ones.
inline constexpr char kChangePicksAction[] = "CHANGEPICKS";
// What the confirmation page says of the picks about to be saved.
std::string_view SavePolicyLine();
// Why the request's action (the confirmation USERPICS1, the first save
// USERPICS2 or the change) is not taken for the player's saved picks of
// CurrentWeek; "" when it is.
std::string SavedPicksRefusal();
// Why picks sent once the game is locked or the pool has ended were not
// taken; a change says that the saved picks stand.
std::string ClosedPicksNotice();
