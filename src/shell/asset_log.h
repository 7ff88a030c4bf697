// A record of every file the game tried to load (pictures, fonts, sounds,
// the LED font), whether or not it was there. The picture, font and sound
// loaders note each path here; the asset tests read the list back to check
// that the generated art covers everything the game asks for.
#pragma once

#include <set>
#include <string>

void noteAssetLoad(const std::string& path);
const std::set<std::string>& loadedAssets();
void clearLoadedAssets();
