#pragma once

// The merchant record's flags that the main window shows and changes. Every
// call needs an open website.
namespace TMerchantFlags {

bool BriefDescInSearch();
// Stores the flag and saves the record.
void SetBriefDescInSearch(bool value);
// The settings have been sent to the secure server since they last changed.
bool ServerUpdated();

} // namespace TMerchantFlags
