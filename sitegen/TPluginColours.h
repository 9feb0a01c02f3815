#pragma once

class TMerchant;
class TUserSettings;

// Earlier releases kept the cart colours in the user's settings
// ("PlugIns\Standard\<merchant>\Colors"); the merchant record holds them now.
// While the record's TitleColor is empty the four colours are copied over
// once (the defaults navy, white, silver and black where a value is missing
// or unreadable) and the record is saved. Afterwards the settings are not read.
void MigratePluginColours(TMerchant& merchant, TUserSettings& settings);
