#include "shell/asset_log.h"

namespace {
std::set<std::string>& assets() {
    static std::set<std::string> paths;
    return paths;
}
}  // namespace

void noteAssetLoad(const std::string& path) { assets().insert(path); }
const std::set<std::string>& loadedAssets() { return assets(); }
void clearLoadedAssets() { assets().clear(); }
